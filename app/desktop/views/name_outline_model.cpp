#include "app/desktop/views/name_outline_model.h"

#include <QMimeData>

#include "app/desktop/views/person_drag.h"

namespace vyn::desktop {
namespace {

// Internal ids: top nodes 0, people 1 (their parent is the people node).
constexpr quintptr kTopId = 0;
constexpr quintptr kPersonId = 1;
constexpr int kTopNodes = 2;

QString NodeText(const TPersonName& person) {
  return QString::fromStdString(person.first) + QLatin1Char(' ') +
         QString::fromStdString(person.last);
}

}  // namespace

TNameOutlineModel::TNameOutlineModel(std::unique_ptr<TNamePages> pages, QObject* parent)
    : QAbstractItemModel(parent), pages_(std::move(pages)) {}

TNameOutlineModel::~TNameOutlineModel() = default;

void TNameOutlineModel::SetTopTexts(const QString& people, const QString& groups) {
  topTexts_[tnPeople] = people;
  topTexts_[tnGroups] = groups;
  emit dataChanged(index(0, 0), index(kTopNodes - 1, 0), {Qt::DisplayRole});
}

void TNameOutlineModel::Reload() {
  beginResetModel();
  people_.clear();
  if (pages_) pages_->Restart();
  endResetModel();
}

const TPersonName* TNameOutlineModel::PersonAt(const QModelIndex& index) const {
  if (!index.isValid() || index.internalId() != kPersonId) return nullptr;
  return &people_.at(static_cast<std::size_t>(index.row()));
}

bool TNameOutlineModel::IsPeopleNode(const QModelIndex& index) const {
  return index.isValid() && index.internalId() == kTopId && index.row() == tnPeople;
}

QModelIndex TNameOutlineModel::index(int row, int column, const QModelIndex& parent) const {
  if (row < 0 || column != 0) return {};
  if (!parent.isValid()) return row < kTopNodes ? createIndex(row, 0, kTopId) : QModelIndex();
  if (IsPeopleNode(parent) && row < static_cast<int>(people_.size()))
    return createIndex(row, 0, kPersonId);
  return {};
}

QModelIndex TNameOutlineModel::parent(const QModelIndex& child) const {
  if (child.isValid() && child.internalId() == kPersonId) return createIndex(tnPeople, 0, kTopId);
  return {};
}

int TNameOutlineModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return kTopNodes;
  return IsPeopleNode(parent) ? static_cast<int>(people_.size()) : 0;
}

int TNameOutlineModel::columnCount(const QModelIndex&) const { return 1; }

bool TNameOutlineModel::hasChildren(const QModelIndex& parent) const {
  if (!parent.isValid()) return true;
  return IsPeopleNode(parent) && (!people_.empty() || canFetchMore(parent));
}

QVariant TNameOutlineModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  if (const TPersonName* person = PersonAt(index)) return NodeText(*person);
  return topTexts_[index.row()];
}

Qt::ItemFlags TNameOutlineModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (PersonAt(index)) flags |= Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
  return flags;
}

bool TNameOutlineModel::canFetchMore(const QModelIndex& parent) const {
  return IsPeopleNode(parent) && pages_ && !pages_->AtEnd();
}

void TNameOutlineModel::fetchMore(const QModelIndex& parent) {
  if (!canFetchMore(parent)) return;
  std::vector<TPersonName> page = pages_->Next(kPageSize);
  if (page.empty()) return;
  const int first = static_cast<int>(people_.size());
  beginInsertRows(parent, first, first + static_cast<int>(page.size()) - 1);
  people_.insert(people_.end(), std::make_move_iterator(page.begin()),
                 std::make_move_iterator(page.end()));
  endInsertRows();
}

QStringList TNameOutlineModel::mimeTypes() const {
  return {QString::fromLatin1(kPersonMimeType)};
}

QMimeData* TNameOutlineModel::mimeData(const QModelIndexList& indexes) const {
  for (const QModelIndex& index : indexes)
    if (const TPersonName* person = PersonAt(index))
      return PersonMimeData({QString::fromStdString(person->first),
                             QString::fromStdString(person->last)})
          .release();
  return nullptr;
}

}  // namespace vyn::desktop
