#include "app/gui/slips_panel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

void SlipTableModel::reset(const TaxReturn* ret)
{
    beginResetModel();
    m_ret = ret;
    m_positions = ret ? slipPositions(*ret) : std::vector<int>{};
    m_rows.assign(m_positions.size(), std::nullopt);
    endResetModel();
}

void SlipTableModel::refresh()
{
    if (m_positions.empty())
        return;
    m_rows.assign(m_positions.size(), std::nullopt);
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int SlipTableModel::rowOfForm(int formIndex) const
{
    const auto it = std::lower_bound(m_positions.begin(), m_positions.end(), formIndex);
    return it != m_positions.end() && *it == formIndex ? int(it - m_positions.begin()) : -1;
}

int SlipTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_positions.size());
}

int SlipTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const SlipListRow& SlipTableModel::rowAt(int row) const
{
    std::optional<SlipListRow>& cached = m_rows[size_t(row)];
    if (!cached)
        cached = slipListRow(*m_ret, m_positions[size_t(row)]);
    return *cached;
}

namespace {
// "Slip_T5" -> "T5", "CSlipData_T4AP" -> "T4AP", "Slip_T3_Issuing" -> "T3_Issuing"
QString shortKind(const QString& kind)
{
    for (const char* prefix : {"Slip_", "CSlipData_"})
        if (kind.startsWith(QLatin1String(prefix)))
            return kind.mid(int(qstrlen(prefix)));
    return kind;
}
}  // namespace

QVariant SlipTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const SlipListRow& row = rowAt(index.row());
    switch (index.column()) {
    case Kind: return shortKind(row.kind);
    case Origin: return row.issued ? tr("issued") : tr("received");
    case Party: return row.party;
    case KeyBoxes: return keyBoxesText(row.keyBoxes);
    }
    return {};
}

QVariant SlipTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return {};
    static const char* const titles[] = {"Slip", "Origin", "Payer or recipient", "Key boxes"};
    return tr(titles[section]);
}

SlipsPanel::SlipsPanel(QWidget* parent)
    : QWidget(parent),
      m_model(new SlipTableModel),
      m_proxy(new QSortFilterProxyModel(this)),
      m_filter(new QLineEdit),
      m_table(new QTableView),
      m_count(new QLabel)
{
    m_model->setParent(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(-1);  // any column
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);

    m_filter->setObjectName(QStringLiteral("slipFilter"));
    m_filter->setPlaceholderText(tr("Filter the slips (kind, payer or recipient, boxes)"));
    m_filter->setClearButtonEnabled(true);
    m_table->setObjectName(QStringLiteral("slipTable"));
    m_table->setModel(m_proxy);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);  // no measuring of every row
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // file order until asked
    m_table->setSortingEnabled(true);
    m_table->setColumnWidth(SlipTableModel::Kind, 80);
    m_table->setColumnWidth(SlipTableModel::Origin, 80);
    m_table->setColumnWidth(SlipTableModel::Party, 200);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_count);
    layout->addWidget(m_filter);
    layout->addWidget(m_table);

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_proxy->setFilterFixedString(text);
        updateCount();
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    emit slipChosen(m_model->formIndexAt(m_proxy->mapToSource(current).row()));
            });
    updateCount();
}

void SlipsPanel::showSlipsOf(const TaxReturn* ret)
{
    m_model->reset(ret);
    updateCount();
}

void SlipsPanel::selectForm(int formIndex)
{
    const QSignalBlocker blocker(m_table->selectionModel());
    const int row = m_model->rowOfForm(formIndex);
    const QModelIndex at = row < 0 ? QModelIndex() : m_proxy->mapFromSource(m_model->index(row, 0));
    if (!at.isValid()) {
        m_table->selectionModel()->clear();
        return;
    }
    m_table->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(at);
}

void SlipsPanel::updateCount()
{
    const int all = m_model->rowCount();
    const int shown = m_proxy->rowCount();
    m_count->setText(shown == all ? tr("Slips: %1").arg(all) : tr("Slips: %1 of %2").arg(shown).arg(all));
}
