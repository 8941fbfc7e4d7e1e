#include "app/gui/messages_panel.h"

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
    const std::vector<ValidationMessage> messages = m_session.validate();
    for (const ValidationMessage& m : messages) {
        auto* item = new QListWidgetItem(QStringLiteral("%1: %2").arg(m_session.formTitle(m.index), m.text), this);
        item->setData(kFormIndexRole, m.index);
        item->setData(kFieldRole, m.field);
    }
    if (messages.empty())
        addItem(tr("No messages: the return is ready to file."));
}

void MessagesPanel::onActivated(QListWidgetItem* item)
{
    const QVariant index = item->data(kFormIndexRole);
    if (index.isValid())
        emit showFieldRequested(index.toInt(), item->data(kFieldRole).toString());
}
