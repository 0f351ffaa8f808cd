// The scatter table as a Qt item model: the grid view asks only for the cells it shows, so a
// table of millions of rows opens and scrolls at once; edits go straight into the table.
#pragma once

#include <QAbstractTableModel>

#include "scatter/CellTable.h"

namespace tarn {

class CellTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit CellTableModel(CellTable& table, QObject* parent = nullptr) : QAbstractTableModel(parent), table_(table) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The table was filled anew: the view forgets what it knew of it.
  void Reload();

 private:
  CellTable& table_;
};

}  // namespace tarn
