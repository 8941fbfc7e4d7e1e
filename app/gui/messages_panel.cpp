#include "app/gui/messages_panel.h"

#include "app/gui/message_fields.h"
#include "framework/form.h"

namespace {
constexpr int kFormIndexRole = Qt::UserRole;
constexpr int kFieldRole = Qt::UserRole + 1;
}  // namespace

MessagesPanel::MessagesPanel(ReturnSession& session, QWidget* parent) : QListWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("validationMessages"));
    setWordWrap(true);
    setAlternatingRowColors(true);
    connect(this, &QListWidget::itemDoubleClicked, this, &MessagesPanel::onActivated);
    connect(this, &QListWidget::itemActivated, this, &MessagesPanel::onActivated);
}

void MessagesPanel::refresh()
{
    clear();
    const QVector<ValidationMessage> messages = m_session.validate();
    for (const ValidationMessage& m : messages) {
        CTaxData_Form* form = m_session.taxReturn().form(m.formIndex);
        auto* item = new QListWidgetItem(QStringLiteral("%1: %2").arg(m_session.formTitle(m.formIndex), m.text), this);
        item->setData(kFormIndexRole, m.formIndex);
        item->setData(kFieldRole, fieldOfMessage(form->shortClassName(), m.text));
    }
    if (messages.isEmpty())
        addItem(tr("No messages: the return is ready to file."));
}

void MessagesPanel::onActivated(QListWidgetItem* item)
{
    const QVariant index = item->data(kFormIndexRole);
    if (index.isValid())
        emit showFieldRequested(index.toInt(), item->data(kFieldRole).toString());
}
