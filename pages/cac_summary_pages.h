// The pages that end with Areas B to E of a statement: below the areas they
// show the statement's capital cost summary, per class the additions and
// dispositions to compare with columns 3 and 5 of Area A.
#pragma once

#include "framework/described_page.h"

class CacSummary;

// The summary as the page shows it: one line per class in use.
QString cacSummaryText(const CacSummary& summary);

class CacSummaryPage : public DescribedTaxPage {
    Q_OBJECT
public:
    using DescribedTaxPage::DescribedTaxPage;
    void GetDataFromDoc() override;

protected:
    // The summary of this page's statement (filled again: one summary serves
    // every statement of a class); nullptr on a form of another class.
    virtual const CacSummary* statementSummary() = 0;
    template <class Statement>
    const CacSummary* summaryOf()
    {
        auto* statement = qobject_cast<Statement*>(form());
        if (!statement)
            return nullptr;
        statement->fillCacSummary();
        return &Statement::summary();
    }
};

class TaxForm_T2125_New_tab5 : public CacSummaryPage {
    Q_OBJECT
public:
    using CacSummaryPage::CacSummaryPage;

protected:
    const CacSummary* statementSummary() override;
};

class TaxForm_T2042New_CCA02 : public CacSummaryPage {
    Q_OBJECT
public:
    using CacSummaryPage::CacSummaryPage;

protected:
    const CacSummary* statementSummary() override;
};

class TaxForm_T776New_tab3 : public CacSummaryPage {
    Q_OBJECT
public:
    using CacSummaryPage::CacSummaryPage;

protected:
    const CacSummary* statementSummary() override;
};
