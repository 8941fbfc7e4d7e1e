// Choice widgets of the form pages: yes/no check box, province and country
// lists, and the radio group of an answer field.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QStringList>
#include <QWidget>

class QButtonGroup;

// The choice widgets have no read-only state of their own in Qt; theirs is
// like a read-only line edit's: the value shows, focus and tooltips work, and
// no click, key or wheel changes it. The `readOnly` property lets the page's
// style sheet draw them like read-only lines.

class StyledCheckBox : public QCheckBox {
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
public:
    explicit StyledCheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}
    explicit StyledCheckBox(const QString& text, QWidget* parent = nullptr) : QCheckBox(text, parent) {}
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool m_readOnly = false;
};

// Drop-down list whose entries carry the code stored in a choice field.
class CT2ComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
public:
    explicit CT2ComboBox(QWidget* parent = nullptr);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    void showPopup() override;

    // "Not chosen" (code 0), then the provinces and territories (1 to 13);
    // with `allJurisdictions` also the offshore areas, multiple jurisdictions
    // and outside Canada (14 to 17).
    void fillProvinces(bool allJurisdictions);
    // Every country of the framework's table, by table index (0 = not chosen).
    void fillCountries();
    // Own entries with codes 0, 1, 2 ...
    void fillChoices(const QStringList& labels);

    int currentCode() const;                     // -1 when nothing is selected
    void showCode(int code);                     // selects the entry, or none for an unknown code
    int indexOfCode(int code) const;             // -1 when absent

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_readOnly = false;
};

// Radio buttons of an answer field: the checked button's position is the
// answer (0 first choice, 1 second ...), no button checked is -1.
class AnswerRadioGroup : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)
public:
    // Short choices ("Yes", "No") side by side, longer ones one below the other.
    explicit AnswerRadioGroup(const QStringList& labels, QWidget* parent = nullptr);

    int value() const;
    void setValue(int answer);  // an answer outside the choices checks no button
    int choiceCount() const;
    QButtonGroup* buttonGroup() const { return m_group; }
    // Checks choice `answer` (-1 clears) as a user click would, emitting idClicked.
    void click(int answer);
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

signals:
    // The user chose an answer; -1 when the answer was cleared.
    void idClicked(int answer);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Keeps clicks and keys from the buttons while read-only.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QButtonGroup* m_group;
    bool m_readOnly = false;
};
