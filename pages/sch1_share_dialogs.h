// Schedule 1's extra share entries in the window: the table of the entries
// (edits go straight into the schedule) and the CSV import dialog.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>

class TaxData_Sch1;
class QButtonGroup;
class QLineEdit;
class QRadioButton;
class QTableView;

// The entries as a table: the row number, the five typed columns and the
// entry's gain (or loss). The model reads the schedule; it copies nothing.
class TblMdlSch1ExtraShares : public QAbstractTableModel {
    Q_OBJECT
public:
    TblMdlSch1ExtraShares(TaxData_Sch1* sch1, QObject* parent);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Stores `value` into column 1 to 6 of entry `row` and recalculates the
    // schedule; false for any other column.
    static bool storeCell(TaxData_Sch1& sch1, int row, int column, const QVariant& value);

signals:
    // After an edit went into the schedule: the cell's value before and after.
    void cellEdited(int row, int column, const QVariant& before, const QVariant& after);

private:
    TaxData_Sch1* m_sch1;
};

class DlgSch1ExtraShares : public QDialog {
    Q_OBJECT
public:
    DlgSch1ExtraShares(TaxData_Sch1* sch1, QWidget* parent);
    TblMdlSch1ExtraShares* model() const { return m_model; }

private:
    void buildModel();
    TaxData_Sch1* m_sch1;
    QTableView* m_table;
    TblMdlSch1ExtraShares* m_model = nullptr;
};

class DlgSch1ImportF13200 : public QDialog {
    Q_OBJECT
public:
    explicit DlgSch1ImportF13200(QWidget* parent);

    // Filled from the widgets by OK, not validated.
    QString m_fileName;
    QString m_numShares, m_nameShares, m_disposition, m_costbase, m_expense;
    bool m_append = true;

public slots:
    void browseToGetFilename();
    void on_buttonBox_accepted();

private:
    QLineEdit* m_fileEdit;
    QLineEdit *m_numEdit, *m_nameEdit, *m_dispositionEdit, *m_costbaseEdit, *m_expenseEdit;
    QRadioButton* m_appendButton;
};
