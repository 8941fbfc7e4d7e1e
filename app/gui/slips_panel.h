// The slips of a return as one table (kind, issued or received, party, key
// boxes), sortable and filterable; choosing a row opens the slip's page. The
// rows are read from the slips only when shown or sorted, so that a return of
// thousands of slips opens at once.
#pragma once

#include "host/slip_list.h"

#include <QAbstractTableModel>
#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

class SlipTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Kind, Origin, Party, KeyBoxes, ColumnCount };

    // Rereads which forms of `ret` are slips; their rows are read again when asked for.
    void reset(const TaxReturn* ret);
    // The same slips with changed values (after a recalculation): rows are read again.
    void refresh();
    // The form position of a row, and the row of a form position (-1 when not a slip).
    int formIndexAt(int row) const { return m_positions[size_t(row)]; }
    int rowOfForm(int formIndex) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const SlipListRow& rowAt(int row) const;

    const TaxReturn* m_ret = nullptr;
    std::vector<int> m_positions;
    mutable std::vector<std::optional<SlipListRow>> m_rows;  // filled on first use
};

class SlipsPanel : public QWidget {
    Q_OBJECT
public:
    explicit SlipsPanel(QWidget* parent = nullptr);

    void showSlipsOf(const TaxReturn* ret);
    void refresh() { m_model->refresh(); }
    // Selects the slip's row (without signalling); clears the selection for any other form.
    void selectForm(int formIndex);
    QTableView* table() const { return m_table; }
    QLineEdit* filter() const { return m_filter; }
    SlipTableModel* model() const { return m_model; }

signals:
    void slipChosen(int formIndex);

private:
    void updateCount();

    SlipTableModel* m_model;
    QSortFilterProxyModel* m_proxy;
    QLineEdit* m_filter;
    QTableView* m_table;
    QLabel* m_count;
};
