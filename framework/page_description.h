// Page descriptions: the layout of every form page stated once, as text, in
// the small language of docs/pages.md. A form's description source (one per
// form, in pages/) names the form, its choice lists and its pages in order;
// each page lists headings, notes and lines with their CRA line codes,
// labels and the fields bound in each column. The builder (page_builder.h)
// turns a page description into widgets.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// One cell of a line: empty, a fixed text, or a bound field.
struct PageCell {
    enum Kind { Empty, Text, Field };
    Kind kind = Empty;
    QString text;          // Text: the text; Field: the field's name
    QString presentation;  // ":name" after a field: a choice list or "multiline"
    QString objectName;    // "@name" after a field: a second widget of the field; else the field's name
    bool readOnly = false; // "=" before a field: shown, never edited
};

struct PageRow {
    enum Kind { Title, Section, Note, Columns, Line, Field, Button, Display, Specify };
    Kind kind = Note;
    QString code;             // Line, Field: CRA line code, empty for none
    QString text;             // heading, note, label or button text
    QString name;             // Button, Display: object name; Specify: the label's text field
    QStringList headers;      // Columns: the column headings (may be blank)
    QVector<PageCell> cells;  // Line: one per value column; Field: side by side
    int sourceLine = 0;       // line of the description text, for messages
};

struct PageDescription {
    QString formName;      // short form name ("T3Ret")
    QString className;     // page class ("TaxForm_T3Ret_tab1")
    int id = 0;            // the page's id, when it has no title
    QString title;         // the page's title, empty when it has an id
    QVector<PageRow> rows;
    QString caption() const { return title.isEmpty() ? QString::number(id) : title; }
};

// A named list of choices for an answer or choice field.
struct ChoiceList {
    enum Style { Radio, Combo, Provinces, Jurisdictions, Countries, MultiLine };
    Style style = Radio;
    QStringList labels;  // Radio, Combo: the choices, for the values 0, 1, 2 ...
};

struct FormPageDescriptions {
    QString formName;
    QString sourceName;
    QMap<QString, ChoiceList> choices;  // the built-in lists and the source's own
    QVector<PageDescription> pages;     // in page order
};

// Reads one description source; every problem is appended to `errors` as
// "<source> line <n>: <what>" and the faulty line is skipped.
FormPageDescriptions parsePageDescriptions(const QString& sourceName, const QString& text, QStringList& errors);

// The descriptions of every form, read from the registered sources on first use.
class PageDescriptionRegistry {
public:
    static PageDescriptionRegistry& instance();

    // Adds a source; a source replaces an earlier one of the same form.
    void addSource(const char* sourceName, const char* utf8Text);

    const PageDescription* page(const QString& className);
    const FormPageDescriptions* form(const QString& formName);
    // The choice list `name` for the form's pages; nullptr when unknown.
    const ChoiceList* choiceList(const QString& formName, const QString& name);
    QStringList formNames();
    QStringList errors();  // of every source read so far

private:
    void parseAll();
    struct Source { QString name; QString text; };
    QVector<Source> m_sources;
    bool m_parsed = false;
    QMap<QString, FormPageDescriptions> m_forms;
    QMap<QString, QPair<QString, int>> m_pageIndex;  // class -> (form, position)
    QStringList m_errors;
};

// Registers a description source at library load:
//   static const PageDescriptionSource kSource("T3Ret", R"( ... )");
struct PageDescriptionSource {
    PageDescriptionSource(const char* sourceName, const char* utf8Text)
    {
        PageDescriptionRegistry::instance().addSource(sourceName, utf8Text);
    }
};
