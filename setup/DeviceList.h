#pragma once
// The list of found devices in both finders: one row per device, a header click
// sorts by that column (again on the same column: the other way round) and the
// list stays sorted as rows arrive; a double click on a row chooses it.

#include <QTreeWidget>

namespace dalto {

class DeviceList : public QTreeWidget {
    Q_OBJECT
public:
    explicit DeviceList(const QStringList& headers, QWidget* parent = nullptr);

    void addRow(const QStringList& cells);
    bool rowSelected() const { return !selectedItems().isEmpty(); }
    // The text of a cell of the selected row; empty without a selection.
    QString selectedCell(int column) const;
    // The first `columns` columns each take a quarter of the list's width less
    // lessPixels, sized whenever the list gets its width (shown, resized).
    void setQuarterColumns(int columns, int lessPixels);

signals:
    // A double click that began on a row, with a row selected.
    void rowChosen();

protected:
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void headerClicked(int column);
    void sizeQuarterColumns();

    bool pressHitRow_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    int quarterColumns_ = 0;
    int quarterLessPixels_ = 0;
};

} // namespace dalto
