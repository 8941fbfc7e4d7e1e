// The pages of the return's forms: one tab set per form, built when the form
// is first shown, redisplayed after every recalculation.
#pragma once

#include "app/gui/engine_filled_query.h"

#include <QHash>
#include <QStackedWidget>

class BaseTaxPage;
class CTaxData_Form;
class QTabWidget;
class ReturnSession;

class FormView : public QStackedWidget {
    Q_OBJECT
public:
    explicit FormView(ReturnSession& session, QWidget* parent = nullptr);

    void showForm(CTaxData_Form* form);
    CTaxData_Form* currentForm() const { return m_current; }
    // Shows the page holding the field's widget and puts the focus there;
    // false when no page of the form shows the field.
    bool showField(CTaxData_Form* form, const QString& fieldName);
    QTabWidget* tabsOf(CTaxData_Form* form) const { return m_tabs.value(form, nullptr); }
    QList<BaseTaxPage*> pagesOf(CTaxData_Form* form) const;

    // Drops every page (the return was replaced).
    void clear();
    // Drops the pages of forms no longer in the return.
    void dropRemovedForms();
    // Redisplays the pages of the form shown; the others when next shown.
    void redisplay();

    // Asked on every redisplay for the fields the calculation fills.
    void setEngineFilledQuery(EngineFilledQuery query);

private:
    QTabWidget* buildTabs(CTaxData_Form* form);
    // Shows the form's values, its engine-filled fields read-only.
    void refreshPages(CTaxData_Form* form);

    ReturnSession& m_session;
    QHash<CTaxData_Form*, QTabWidget*> m_tabs;
    CTaxData_Form* m_current = nullptr;
    EngineFilledQuery m_engineFilled;
};
