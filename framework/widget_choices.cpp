#include "framework/widget_choices.h"

#include "framework/geo_tables.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QRadioButton>

namespace {
// Keys that may change a button or a list: all but focus moves and shortcuts.
bool isChangingKey(const QKeyEvent* event)
{
    const int key = event->key();
    return key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Escape &&
           !(event->modifiers() & Qt::ControlModifier);
}
}  // namespace

bool StyledCheckBox::hitButton(const QPoint& pos) const
{
    return !m_readOnly && QCheckBox::hitButton(pos);
}

void StyledCheckBox::keyPressEvent(QKeyEvent* event)
{
    if (m_readOnly && isChangingKey(event))
        event->ignore();
    else
        QCheckBox::keyPressEvent(event);
}

void StyledCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    if (m_readOnly && isChangingKey(event))
        event->ignore();
    else
        QCheckBox::keyReleaseEvent(event);
}

CT2ComboBox::CT2ComboBox(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
}

void CT2ComboBox::showPopup()
{
    if (!m_readOnly)
        QComboBox::showPopup();
}

void CT2ComboBox::keyPressEvent(QKeyEvent* event)
{
    if (m_readOnly && isChangingKey(event))
        event->ignore();
    else
        QComboBox::keyPressEvent(event);
}

void CT2ComboBox::wheelEvent(QWheelEvent* event)
{
    if (m_readOnly)
        event->ignore();  // the page scrolls instead
    else
        QComboBox::wheelEvent(event);
}

void CT2ComboBox::fillProvinces(bool allJurisdictions)
{
    clear();
    const int last = allJurisdictions ? PROV_OUTSIDE_CANADA : PROV_YT;
    for (int code = PROV_NONE; code <= last && code < Global_Provs_Count; ++code)
        addItem(code == PROV_NONE ? tr("not chosen") : QString::fromUtf8(Global_Provs_Info[code].name), code);
}

void CT2ComboBox::fillCountries()
{
    clear();
    for (int i = 0; i < Global_Countries_Count; ++i)
        addItem(QString::fromUtf8(Global_Countries_Info[i].name), Global_Countries_Info[i].index);
}

void CT2ComboBox::fillChoices(const QStringList& labels)
{
    clear();
    for (int i = 0; i < labels.size(); ++i)
        addItem(labels[i], i);
}

int CT2ComboBox::currentCode() const
{
    const QVariant data = currentData();
    return data.isValid() ? data.toInt() : -1;
}

int CT2ComboBox::indexOfCode(int code) const
{
    return findData(code);
}

void CT2ComboBox::showCode(int code)
{
    setCurrentIndex(indexOfCode(code));
}

AnswerRadioGroup::AnswerRadioGroup(const QStringList& labels, QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this))
{
    setAttribute(Qt::WA_StyledBackground, true);  // the read-only look is a background
    int letters = 0;
    for (const QString& label : labels)
        letters += label.size();
    const bool sideBySide = letters <= 30;
    QBoxLayout* layout = sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(this)) : new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(sideBySide ? 18 : 2);
    for (int i = 0; i < labels.size(); ++i) {
        auto* button = new QRadioButton(labels[i], this);
        button->setObjectName(QStringLiteral("choice%1").arg(i));
        m_group->addButton(button, i);
        button->installEventFilter(this);
        layout->addWidget(button);
    }
    if (sideBySide)
        layout->addStretch(1);
    connect(m_group, &QButtonGroup::idClicked, this, &AnswerRadioGroup::idClicked);
}

int AnswerRadioGroup::value() const
{
    return m_group->checkedId();
}

int AnswerRadioGroup::choiceCount() const
{
    return m_group->buttons().size();
}

void AnswerRadioGroup::setValue(int answer)
{
    if (QAbstractButton* button = m_group->button(answer)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    m_group->setExclusive(false);
    for (QAbstractButton* b : m_group->buttons())
        b->setChecked(false);
    m_group->setExclusive(true);
}

void AnswerRadioGroup::click(int answer)
{
    if (QAbstractButton* button = m_group->button(answer)) {
        button->click();
        return;
    }
    setValue(-1);
    emit idClicked(-1);
}

void AnswerRadioGroup::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* clear = menu.addAction(tr("Clear answer"));
    clear->setEnabled(value() >= 0 && isEnabled() && !m_readOnly);
    if (menu.exec(event->globalPos()) == clear)
        click(-1);
}

bool AnswerRadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_readOnly)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return isChangingKey(static_cast<QKeyEvent*>(event));
    default: return QWidget::eventFilter(watched, event);
    }
}
