#pragma once
// The outline of the name list: two top nodes, the people (with one child
// per person of "NAME" in primary-key order, node text "first last") and the
// groups. People are fetched a page at a time as the view scrolls.
//
// A person node drags as the mime data of person_drag.h.
#include <QAbstractItemModel>
#include <QString>
#include <memory>
#include <vector>

#include "app/desktop/views/name_pages.h"

namespace vyn::desktop {

class TNameOutlineModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  enum TTopNode { tnPeople = 0, tnGroups = 1 };
  static constexpr int kPageSize = 256;

  // `pages` may be null: the people node then has no children.
  TNameOutlineModel(std::unique_ptr<TNamePages> pages, QObject* parent = nullptr);
  ~TNameOutlineModel() override;

  void SetTopTexts(const QString& people, const QString& groups);
  // Forgets the people read so far; the view fetches them again.
  void Reload();

  QModelIndex TopNode(TTopNode node) const { return index(node, 0); }
  // The person of an index; nothing for a top node.
  const TPersonName* PersonAt(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }

 private:
  bool IsPeopleNode(const QModelIndex& index) const;

  std::unique_ptr<TNamePages> pages_;
  std::vector<TPersonName> people_;
  QString topTexts_[2];
};

}  // namespace vyn::desktop
