#include "app/gui/form_view.h"

#include "app/gui/return_session.h"
#include "framework/form.h"
#include "framework/page_base.h"

#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>

FormView::FormView(ReturnSession& session, QWidget* parent) : QStackedWidget(parent), m_session(session)
{
    auto* empty = new QLabel(tr("Choose a form of the return."), this);
    empty->setAlignment(Qt::AlignCenter);
    addWidget(empty);
}

QTabWidget* FormView::buildTabs(CTaxData_Form* form)
{
    auto* tabs = new QTabWidget(this);
    tabs->setDocumentMode(true);
    QList<BaseTaxPage*> pages;
    form->getUIPages(pages, tabs);
    for (BaseTaxPage* page : pages) {
        tabs->addTab(page, page->caption());
        connect(page, &BaseTaxPage::fieldEdited, &m_session, &ReturnSession::recordFieldEdit);
        connect(page, &BaseTaxPage::formEdited, &m_session, &ReturnSession::recordFormEdit);
        connect(page, &BaseTaxPage::formDataEdited, &m_session, &ReturnSession::recordFormDataEdit);
    }
    if (pages.isEmpty())
        tabs->addTab(new QLabel(tr("This form has no pages."), tabs), tr("Form"));
    addWidget(tabs);
    m_tabs.insert(form, tabs);
    return tabs;
}

QList<BaseTaxPage*> FormView::pagesOf(CTaxData_Form* form) const
{
    QList<BaseTaxPage*> pages;
    if (QTabWidget* tabs = tabsOf(form))
        for (int i = 0; i < tabs->count(); ++i)
            if (auto* page = qobject_cast<BaseTaxPage*>(tabs->widget(i)))
                pages << page;
    return pages;
}

void FormView::showForm(CTaxData_Form* form)
{
    m_current = form;
    if (!form) {
        setCurrentIndex(0);
        return;
    }
    QTabWidget* tabs = m_tabs.value(form, nullptr);
    if (!tabs)
        tabs = buildTabs(form);
    refreshPages(form);
    setCurrentWidget(tabs);
}

bool FormView::showField(CTaxData_Form* form, const QString& fieldName)
{
    showForm(form);
    QTabWidget* tabs = tabsOf(form);
    if (!tabs)
        return false;
    for (int i = 0; i < tabs->count(); ++i) {
        auto* page = qobject_cast<BaseTaxPage*>(tabs->widget(i));
        QWidget* widget = page ? page->widgetByName(fieldName) : nullptr;
        if (!widget)
            continue;
        tabs->setCurrentIndex(i);
        if (auto* scroll = page->findChild<QScrollArea*>())
            scroll->ensureWidgetVisible(widget);
        widget->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

void FormView::clear()
{
    for (QTabWidget* tabs : qAsConst(m_tabs)) {
        removeWidget(tabs);
        delete tabs;
    }
    m_tabs.clear();
    m_current = nullptr;
    setCurrentIndex(0);
}

void FormView::dropRemovedForms()
{
    const TaxReturn& ret = m_session.taxReturn();
    for (auto it = m_tabs.begin(); it != m_tabs.end();) {
        if (ret.indexOf(it.key()) >= 0) {
            ++it;
            continue;
        }
        if (m_current == it.key())
            showForm(nullptr);
        removeWidget(it.value());
        delete it.value();
        it = m_tabs.erase(it);
    }
}

void FormView::redisplay()
{
    refreshPages(m_current);
}

void FormView::setEngineFilledQuery(EngineFilledQuery query)
{
    m_engineFilled = std::move(query);
    redisplay();
}

void FormView::refreshPages(CTaxData_Form* form)
{
    const EngineFilledFields filled = m_engineFilled && form ? m_engineFilled(*form) : EngineFilledFields();
    QHash<QString, QString> sourceOf;
    for (const auto& [field, source] : filled)
        sourceOf.insert(field, source);
    for (BaseTaxPage* page : pagesOf(form)) {
        for (const QString& field : page->engineFilledFields())
            if (!sourceOf.contains(field))
                page->clearEngineFilled(field);
        for (auto it = sourceOf.cbegin(); it != sourceOf.cend(); ++it)
            page->setEngineFilled(it.key(), it.value());
        page->GetDataFromDoc();
    }
}
