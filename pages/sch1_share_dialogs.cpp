#include "pages/sch1_share_dialogs.h"

#include "framework/libfederal.h"
#include "schedules/sch1.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

// ---- the table of entries

namespace {
enum Column { kRowNumber, kShares, kName, kYear, kProceeds, kCostBase, kExpenses, kGain, kColumnCount };
}

TblMdlSch1ExtraShares::TblMdlSch1ExtraShares(TaxData_Sch1* sch1, QObject* parent)
    : QAbstractTableModel(parent), m_sch1(sch1)
{
}

int TblMdlSch1ExtraShares::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_sch1->moreEquityEntryCount();
}

int TblMdlSch1ExtraShares::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant TblMdlSch1ExtraShares::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const headers[kColumnCount] = {"",         "Num. Shares", "Name", "Acq. Year",
                                                      "Disposition (Selling Price)", "Costbase (buying price)",
                                                      "Expenses", "Net Gain (Loss)"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
        return QVariant();
    return QString::fromLatin1(headers[section]);
}

QVariant TblMdlSch1ExtraShares::data(const QModelIndex& index, int role) const
{
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    const Type_MoreEquityEntryStruct& e = m_sch1->moreEquityEntry(index.row());
    QString amount;
    const auto shown = [&](double v) {
        toAmountString(v, amount);
        return QVariant(amount);
    };
    switch (index.column()) {
    case kRowNumber: return index.row() + 1;
    case kShares: return shown(e.fld_num);
    case kName: return e.fld_name.value();
    case kYear: return e.fld_year.value();
    case kProceeds: return shown(e.fld_disposition);
    case kCostBase: return shown(e.fld_costbase);
    case kExpenses: return shown(e.fld_expenses);
    case kGain: return shown(e.fld_gain);
    default: return QVariant();
    }
}

bool TblMdlSch1ExtraShares::storeCell(TaxData_Sch1& sch1, int row, int column, const QVariant& value)
{
    if (row < 0 || row >= sch1.moreEquityEntryCount())
        return false;
    Type_MoreEquityEntryStruct& e = sch1.moreEquityEntry(row);
    switch (column) {
    case kShares: e.fld_num.store(value.toDouble()); break;
    case kName: e.fld_name.setClipped(value.toString()); break;  // the return files refuse longer texts
    case kYear: e.fld_year.setClipped(value.toString()); break;
    case kProceeds: e.fld_disposition.store(value.toDouble()); break;
    case kCostBase: e.fld_costbase.store(value.toDouble()); break;
    case kExpenses: e.fld_expenses.store(value.toDouble()); break;
    default: return false;
    }
    sch1.Calculate();
    return true;
}

bool TblMdlSch1ExtraShares::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const QVariant before = data(index, Qt::EditRole);
    if (!storeCell(*m_sch1, index.row(), index.column(), value))
        return false;
    emit dataChanged(index, this->index(index.row(), kGain));  // the cell and the gain it changes
    emit cellEdited(index.row(), index.column(), before, data(index, Qt::EditRole));
    return true;
}

Qt::ItemFlags TblMdlSch1ExtraShares::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() >= kShares && index.column() <= kExpenses)
        f |= Qt::ItemIsEditable;
    return f;
}

// ---- the entries dialog

DlgSch1ExtraShares::DlgSch1ExtraShares(TaxData_Sch1* sch1, QWidget* parent) : QDialog(parent), m_sch1(sch1)
{
    setWindowTitle(QStringLiteral("More Shares/Mutual Funds"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("<span style=\"font-size:12pt; font-weight:600;\">Extra shares (including "
                                            "entries from auto-fill)</span>"),
                             this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::RichText);
    layout->addWidget(title);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblExtraShares"));
    layout->addWidget(m_table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    buildModel();
    const int widths[kColumnCount] = {60, 150, 120, 90, 200, 200, 150, 150};
    for (int c = 0; c < kColumnCount; ++c)
        m_table->setColumnWidth(c, widths[c]);
    m_table->verticalHeader()->hide();
    resize(1180, 520);
}

void DlgSch1ExtraShares::buildModel()
{
    m_model = new TblMdlSch1ExtraShares(m_sch1, this);
    m_table->setModel(m_model);
}

// ---- the import dialog

DlgSch1ImportF13200::DlgSch1ImportF13200(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Import extra shares/trading"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Please choose .csv file first, then specify colomn data, at last choose "
                                            "overwrite/append option"),
                             this);
    intro->setObjectName(QStringLiteral("label"));
    layout->addWidget(intro);
    auto* fileRow = new QHBoxLayout;
    m_fileEdit = new QLineEdit(this);
    m_fileEdit->setObjectName(QStringLiteral("edtCSVFileInput"));
    auto* browse = new QPushButton(QStringLiteral("Browse"), this);
    browse->setObjectName(QStringLiteral("btnBrowse"));
    connect(browse, &QPushButton::clicked, this, &DlgSch1ImportF13200::browseToGetFilename);
    fileRow->addWidget(m_fileEdit);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);

    auto* columnsLabel =
        new QLabel(QStringLiteral("Specify the column number for the following data, starting from column 1."), this);
    columnsLabel->setObjectName(QStringLiteral("label_8"));
    layout->addWidget(columnsLabel);
    auto* grid = new QGridLayout;
    const auto columnEdit = [&](int row, const char* name, const char* text) {
        auto* edit = new QLineEdit(QStringLiteral("0"), this);
        edit->setObjectName(QLatin1String(name));
        edit->setMaximumWidth(60);
        grid->addWidget(edit, row, 0);
        grid->addWidget(new QLabel(QString::fromLatin1(text), this), row, 1);
        return edit;
    };
    m_numEdit = columnEdit(0, "edtNumShares", "-- Number of shares, is at the column #");
    m_numEdit->setInputMask(QStringLiteral("09"));
    m_numEdit->setText(QStringLiteral("0"));
    m_nameEdit = columnEdit(1, "edtNameShares", "-- Name of shares, is at the column #");
    m_dispositionEdit =
        columnEdit(2, "edtDisposition", "-- Proceeds of disposition (selling price) of shares, is at the column #");
    m_costbaseEdit = columnEdit(3, "edtCostbase", "-- Adjusted costbase (buying price) of shares, is at the column #");
    m_expenseEdit = columnEdit(4, "edtExpense", "-- Outlay and expenses (commission) of shares, is at the column #");
    layout->addLayout(grid);

    auto* optionLabel = new QLabel(QStringLiteral("Choose overwrite/append option for import"), this);
    optionLabel->setObjectName(QStringLiteral("label_2"));
    layout->addWidget(optionLabel);
    auto* group = new QButtonGroup(this);
    group->setObjectName(QStringLiteral("buttonGroup"));
    auto* clearAll = new QRadioButton(QStringLiteral("Clear all current extra entries, then import"), this);
    clearAll->setObjectName(QStringLiteral("rdoClearAll"));
    m_appendButton = new QRadioButton(QStringLiteral("Append all data at the end of current extra entries"), this);
    m_appendButton->setObjectName(QStringLiteral("rdoAppend"));
    m_appendButton->setChecked(true);
    group->addButton(clearAll);
    group->addButton(m_appendButton);
    layout->addWidget(clearAll);
    layout->addWidget(m_appendButton);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgSch1ImportF13200::on_buttonBox_accepted);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void DlgSch1ImportF13200::browseToGetFilename()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Select .csv file"), QStringLiteral("/"),
                                                      QStringLiteral(".csv files (*.csv);;All files (*.*)"), nullptr,
                                                      QFileDialog::ReadOnly | QFileDialog::DontResolveSymlinks);
    m_fileEdit->setText(path.isEmpty() ? QString() : QDir::toNativeSeparators(path));
}

void DlgSch1ImportF13200::on_buttonBox_accepted()
{
    m_fileName = m_fileEdit->text();
    m_numShares = m_numEdit->text();
    m_nameShares = m_nameEdit->text();
    m_disposition = m_dispositionEdit->text();
    m_costbase = m_costbaseEdit->text();
    m_expense = m_expenseEdit->text();
    m_append = m_appendButton->isChecked();
    accept();
}
