#include "DeviceList.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace dalto {

DeviceList::DeviceList(const QStringList& headers, QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("lvDevices"));
    setHeaderLabels(headers);
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(true);
    connect(header(), &QHeaderView::sectionClicked, this, &DeviceList::headerClicked);
}

void DeviceList::addRow(const QStringList& cells)
{
    addTopLevelItem(new QTreeWidgetItem(cells));
    if (sortColumn_ >= 0)
        sortItems(sortColumn_, sortOrder_);
}

QString DeviceList::selectedCell(int column) const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text(column);
}

void DeviceList::setQuarterColumns(int columns, int lessPixels)
{
    quarterColumns_ = columns;
    quarterLessPixels_ = lessPixels;
    sizeQuarterColumns();
}

void DeviceList::sizeQuarterColumns()
{
    for (int column = 0; column < quarterColumns_; ++column)
        setColumnWidth(column, viewport()->width() / 4 - quarterLessPixels_);
}

bool DeviceList::viewportEvent(QEvent* event)
{
    // Before the dialog is laid out the viewport has a made-up width; it gets its
    // real one in a resize, which a hidden list receives when it is shown.
    if (event->type() == QEvent::Resize)
        sizeQuarterColumns();
    return QTreeWidget::viewportEvent(event);
}

void DeviceList::headerClicked(int column)
{
    if (column == sortColumn_) {
        sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    } else {
        sortColumn_ = column;
        sortOrder_ = Qt::AscendingOrder;
    }
    header()->setSortIndicatorShown(true);
    header()->setSortIndicator(sortColumn_, sortOrder_);
    sortItems(sortColumn_, sortOrder_);
}

void DeviceList::mousePressEvent(QMouseEvent* event)
{
    pressHitRow_ = itemAt(event->position().toPoint()) != nullptr;
    QTreeWidget::mousePressEvent(event);
}

void DeviceList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (pressHitRow_ && rowSelected())
        emit rowChosen();
}

} // namespace dalto
