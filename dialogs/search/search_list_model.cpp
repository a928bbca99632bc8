#include "dialogs/search/search_list_model.h"

namespace vyn::dialogs {

TSearchListModel::TSearchListModel(TSearchList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
  list_.OnBeforeChange = [this](const TListChange& change) {
    if (change.kind == TListChange::lcAppend)
      beginInsertRows(QModelIndex(), static_cast<int>(change.first),
                      static_cast<int>(change.first + change.count) - 1);
    else
      beginResetModel();
  };
  list_.OnAfterChange = [this](const TListChange& change) {
    if (change.kind == TListChange::lcAppend)
      endInsertRows();
    else
      endResetModel();
  };
}

TSearchListModel::~TSearchListModel() {
  list_.OnBeforeChange = nullptr;
  list_.OnAfterChange = nullptr;
}

int TSearchListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.Count());
}

QVariant TSearchListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
  return QString::fromStdString(list_.Text(static_cast<std::size_t>(index.row())));
}

}  // namespace vyn::dialogs
