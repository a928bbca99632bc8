#pragma once
// The Qt item model that shows a TSearchList: one row per entry, its shown
// text as the display role. It follows the list's changes as they happen,
// so a view grows while the list is being filled.
#include <QAbstractListModel>

#include "dialogs/search/search_list.h"

namespace vyn::dialogs {

class TSearchListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // Observes `list`, which must outlive the model.
  explicit TSearchListModel(TSearchList& list, QObject* parent = nullptr);
  ~TSearchListModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  TSearchList& list_;
};

}  // namespace vyn::dialogs
