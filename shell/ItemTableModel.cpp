#include "shell/ItemTableModel.h"

#include <algorithm>

#include "shell/HeaderPictures.h"

namespace bestitem {
namespace {

const char* const kColumnTitles[kItemColumnCount] = {"序号", "物品名称", "极品",
                                                     "贵重", "拾取",     "显示"};

Qt::Alignment columnAlignment(int column) {
    return (column >= kFirstMarkColumn ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

}  // namespace

ItemTableModel::ItemTableModel(QObject* parent)
    : QAbstractTableModel(parent), decoder_("GB18030"), headerIcons_(headerPictures()) {}

void ItemTableModel::appendNames(std::span<const std::string_view> names) {
    if (names.empty()) {
        return;
    }
    const int first = static_cast<int>(table_.rowCount());
    beginInsertRows({}, first, first + static_cast<int>(names.size()) - 1);
    table_.appendRows(names, 1);
    endInsertRows();
}

void ItemTableModel::applyLevel(MarkLevel level, MarkScope scope,
                                std::span<const std::size_t> selectedRows) {
    table_.applyLevel(level, scope, selectedRows);
    std::size_t first = 0;
    std::size_t last = table_.rowCount();
    if (scope == MarkScope::Selected) {
        if (selectedRows.empty()) {
            return;
        }
        const auto [low, high] = std::minmax_element(selectedRows.begin(), selectedRows.end());
        first = *low;
        last = std::min(*high + 1, table_.rowCount());
    }
    if (first >= last) {
        return;
    }
    emit dataChanged(index(static_cast<int>(first), kFirstMarkColumn),
                     index(static_cast<int>(last - 1), kItemColumnCount - 1), {Qt::DisplayRole});
}

int ItemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rowCount());
}

int ItemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kItemColumnCount;
}

QString ItemTableModel::decode(std::string_view bytes) const {
    decoder_.resetState();
    return decoder_.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QVariant ItemTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            if (column == NameColumn) {
                return decode(table_.name(row));
            }
            return decode(table_.cell(row, column));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columnAlignment(column));
        default:
            return {};
    }
}

QVariant ItemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kItemColumnCount) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUtf8(kColumnTitles[section]);
        case Qt::DecorationRole:
            return section >= 1 ? QVariant(headerIcons_[static_cast<std::size_t>(section)])
                                : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columnAlignment(section));
        default:
            return {};
    }
}

}  // namespace bestitem
