#pragma once
// What both device finders share: the device list with Refresh, OK and Cancel.
// OK (or a double click on a row) chooses the selected row; OK is usable only
// while a row is selected.

#include <QDialog>

class QPushButton;

namespace dalto {

class DeviceList;

class DeviceFinder : public QDialog {
    Q_OBJECT
public:
    bool result() const { return result_; }

    DeviceList* lvDevices;
    QPushButton* cmdRefresh;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    DeviceFinder(const QString& name, const QString& caption, const QStringList& columns, QWidget* parent);
    // A new search: the list empties and OK waits for a selection.
    void clearRows();
    // The text of a column of the chosen row; empty without a choice.
    QString chosenCell(int column) const;
    void updateOk();

private:
    virtual void search() = 0;
    void cmdOK_Click();
    void cmdCancel_Click();

    bool result_ = false;
};

} // namespace dalto
