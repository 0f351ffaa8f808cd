#include "ui/CellTableModel.h"

namespace tarn {

int CellTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.RowCount(); }

int CellTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.ColCount();
}

QVariant CellTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return QString::fromStdString(table_.Cell(index.column(), index.row()));
}

bool CellTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  table_.SetCell(index.column(), index.row(), value.toString().toStdString());
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

Qt::ItemFlags CellTableModel::flags(const QModelIndex& index) const {
  return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void CellTableModel::Reload() {
  beginResetModel();
  endResetModel();
}

}  // namespace tarn
