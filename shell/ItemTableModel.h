#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringDecoder>
#include <span>
#include <string_view>
#include <vector>

#include "items/ItemTable.h"

namespace bestitem {

// The item table as the list shows it. Every change goes through here so that
// the view hears of it: one insert per batch of rows, one dataChanged per level.
// Names are decoded from GB18030 for display only; the table keeps the bytes.
class ItemTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ItemTableModel(QObject* parent = nullptr);

    const ItemTable& table() const { return table_; }

    // Appends one row per name, numbered from 1.
    void appendNames(std::span<const std::string_view> names);
    // Applies a level; `selectedRows` ascending, used for MarkScope::Selected.
    void applyLevel(MarkLevel level, MarkScope scope, std::span<const std::size_t> selectedRows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString decode(std::string_view bytes) const;

    ItemTable table_;
    mutable QStringDecoder decoder_;
    std::vector<QIcon> headerIcons_;
};

}  // namespace bestitem
