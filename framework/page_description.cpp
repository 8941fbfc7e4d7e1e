#include "framework/page_description.h"

#include "framework/year_figures.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// Splits a description line into tokens: bare words and "quoted texts"
// (\" and \\ escape inside quotes). A # outside quotes starts a comment.
// Quoted tokens keep their quotes so that the reader can tell them apart.
bool tokenize(const QString& line, QStringList& tokens, QString& error)
{
    int i = 0;
    const int n = line.size();
    while (i < n) {
        const QChar c = line[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('#'))
            break;
        if (c == QLatin1Char('"')) {
            QString text(QLatin1Char('"'));
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar d = line[i++];
                if (d == QLatin1Char('\\') && i < n) {
                    text += line[i++];
                } else if (d == QLatin1Char('"')) {
                    closed = true;
                    break;
                } else {
                    text += d;
                }
            }
            if (!closed) {
                error = QStringLiteral("unclosed quote");
                return false;
            }
            tokens << text + QLatin1Char('"');
            continue;
        }
        const int start = i;
        while (i < n && !line[i].isSpace())
            ++i;
        tokens << line.mid(start, i - start);
    }
    return true;
}

bool isQuoted(const QString& token)
{
    return token.size() >= 2 && token.startsWith(QLatin1Char('"')) && token.endsWith(QLatin1Char('"'));
}

QString unquoted(const QString& token)
{
    return token.mid(1, token.size() - 2);
}

const QMap<QString, ChoiceList>& builtInChoices()
{
    static const QMap<QString, ChoiceList> lists = [] {
        QMap<QString, ChoiceList> m;
        m.insert(QStringLiteral("yesno"), {ChoiceList::Radio, {QStringLiteral("Yes"), QStringLiteral("No")}});
        m.insert(QStringLiteral("province"), {ChoiceList::Provinces, {}});
        m.insert(QStringLiteral("jurisdiction"), {ChoiceList::Jurisdictions, {}});
        m.insert(QStringLiteral("country"), {ChoiceList::Countries, {}});
        m.insert(QStringLiteral("multiline"), {ChoiceList::MultiLine, {}});
        return m;
    }();
    return lists;
}

class Reader {
public:
    Reader(const QString& sourceName, QStringList& errors) : m_errors(errors)
    {
        m_result.sourceName = sourceName;
        m_result.choices = builtInChoices();
    }

    FormPageDescriptions read(const QString& text)
    {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            m_lineNo = i + 1;
            QStringList tokens;
            QString error;
            if (!tokenize(lines[i], tokens, error)) {
                fail(error);
                continue;
            }
            if (!tokens.isEmpty())
                readDirective(tokens);
        }
        if (m_result.formName.isEmpty())
            fail(QStringLiteral("no form line"));
        return m_result;
    }

private:
    void fail(const QString& what)
    {
        m_errors << QStringLiteral("%1 line %2: %3").arg(m_result.sourceName).arg(m_lineNo).arg(what);
    }

    bool needWords(const QStringList& t, int count, const char* usage)
    {
        if (t.size() >= count)
            return true;
        fail(QStringLiteral("expected %1").arg(QLatin1String(usage)));
        return false;
    }

    PageDescription* currentPage(const QString& directive)
    {
        if (m_result.pages.isEmpty()) {
            fail(QStringLiteral("%1 before the first page line").arg(directive));
            return nullptr;
        }
        return &m_result.pages.last();
    }

    void readDirective(const QStringList& t)
    {
        const QString& word = t[0];
        if (word == QLatin1String("form"))
            readForm(t);
        else if (word == QLatin1String("choices") || word == QLatin1String("list"))
            readChoices(t);
        else if (word == QLatin1String("page"))
            readPage(t);
        else if (word == QLatin1String("title") || word == QLatin1String("section") || word == QLatin1String("note"))
            readText(t);
        else if (word == QLatin1String("columns"))
            readColumns(t);
        else if (word == QLatin1String("line") || word == QLatin1String("field"))
            readLine(t);
        else if (word == QLatin1String("button") || word == QLatin1String("display"))
            readButton(t);
        else if (word == QLatin1String("specify"))
            readSpecify(t);
        else
            fail(QStringLiteral("unknown directive '%1'").arg(word));
    }

    void readForm(const QStringList& t)
    {
        if (t.size() != 2 || isQuoted(t[1])) {
            fail(QStringLiteral("expected: form NAME"));
            return;
        }
        if (!m_result.formName.isEmpty()) {
            fail(QStringLiteral("second form line"));
            return;
        }
        m_result.formName = t[1];
    }

    void readChoices(const QStringList& t)
    {
        if (!needWords(t, 3, "a list name and at least one quoted choice"))
            return;
        if (isQuoted(t[1]) || m_result.choices.contains(t[1])) {
            fail(QStringLiteral("list name '%1' is quoted or already used").arg(t[1]));
            return;
        }
        ChoiceList list;
        list.style = t[0] == QLatin1String("list") ? ChoiceList::Combo : ChoiceList::Radio;
        for (int i = 2; i < t.size(); ++i) {
            if (!isQuoted(t[i])) {
                fail(QStringLiteral("choice '%1' is not quoted").arg(t[i]));
                return;
            }
            list.labels << unquoted(t[i]);
        }
        m_result.choices.insert(t[1], list);
    }

    void readPage(const QStringList& t)
    {
        if (t.size() != 3 || isQuoted(t[1])) {
            fail(QStringLiteral("expected: page CLASS ID or page CLASS \"Title\""));
            return;
        }
        if (m_result.formName.isEmpty()) {
            fail(QStringLiteral("page before the form line"));
            return;
        }
        PageDescription page;
        page.formName = m_result.formName;
        page.className = t[1];
        if (isQuoted(t[2])) {
            page.title = unquoted(t[2]);
        } else {
            bool ok = false;
            page.id = t[2].toInt(&ok);
            if (!ok) {
                fail(QStringLiteral("page id '%1' is neither a number nor a quoted title").arg(t[2]));
                return;
            }
        }
        for (const PageDescription& other : m_result.pages)
            if (other.className == page.className) {
                fail(QStringLiteral("page %1 described twice").arg(page.className));
                return;
            }
        m_result.pages << page;
        m_columnCount = 2;
    }

    void readText(const QStringList& t)
    {
        PageDescription* page = currentPage(t[0]);
        if (!page)
            return;
        if (t.size() != 2 || !isQuoted(t[1])) {
            fail(QStringLiteral("expected: %1 \"text\"").arg(t[0]));
            return;
        }
        PageRow row;
        row.kind = t[0] == QLatin1String("title")     ? PageRow::Title
                   : t[0] == QLatin1String("section") ? PageRow::Section
                                                      : PageRow::Note;
        row.text = unquoted(t[1]);
        row.sourceLine = m_lineNo;
        page->rows << row;
    }

    void readColumns(const QStringList& t)
    {
        PageDescription* page = currentPage(t[0]);
        if (!page || !needWords(t, 2, "a column count or quoted column headings"))
            return;
        PageRow row;
        row.kind = PageRow::Columns;
        row.sourceLine = m_lineNo;
        bool isCount = false;
        const int count = t[1].toInt(&isCount);
        if (isCount && t.size() == 2 && count >= 1 && count <= 8) {
            for (int i = 0; i < count; ++i)
                row.headers << QString();
        } else {
            for (int i = 1; i < t.size(); ++i) {
                if (!isQuoted(t[i])) {
                    fail(QStringLiteral("column heading '%1' is not quoted").arg(t[i]));
                    return;
                }
                row.headers << unquoted(t[i]);
            }
        }
        m_columnCount = row.headers.size();
        page->rows << row;
    }

    bool readCell(const QString& token, PageCell& cell)
    {
        if (token == QLatin1String(".")) {
            cell.kind = PageCell::Empty;
            return true;
        }
        if (isQuoted(token)) {
            cell.kind = PageCell::Text;
            cell.text = unquoted(token);
            return true;
        }
        static const QRegularExpression pattern(
            QStringLiteral(R"(^(=?)([A-Za-z_][A-Za-z0-9_]*)(?::([A-Za-z0-9_]+))?(?:@([A-Za-z_][A-Za-z0-9_]*))?$)"));
        const QRegularExpressionMatch m = pattern.match(token);
        if (!m.hasMatch()) {
            fail(QStringLiteral("cell '%1' is not a field, a quoted text or '.'").arg(token));
            return false;
        }
        cell.kind = PageCell::Field;
        cell.readOnly = !m.captured(1).isEmpty();
        cell.text = m.captured(2);
        cell.presentation = m.captured(3);
        cell.objectName = m.captured(4).isEmpty() ? cell.text : m.captured(4);
        if (!cell.presentation.isEmpty() && !m_result.choices.contains(cell.presentation)) {
            fail(QStringLiteral("unknown choice list '%1'").arg(cell.presentation));
            return false;
        }
        return true;
    }

    void readLine(const QStringList& t)
    {
        PageDescription* page = currentPage(t[0]);
        if (!page || !needWords(t, 4, "a line code (or -), a quoted label and at least one cell"))
            return;
        if (isQuoted(t[1]) || !isQuoted(t[2])) {
            fail(QStringLiteral("expected: %1 CODE \"label\" cells...").arg(t[0]));
            return;
        }
        PageRow row;
        row.kind = t[0] == QLatin1String("line") ? PageRow::Line : PageRow::Field;
        row.code = t[1] == QLatin1String("-") ? QString() : t[1];
        row.text = unquoted(t[2]);
        row.sourceLine = m_lineNo;
        for (int i = 3; i < t.size(); ++i) {
            PageCell cell;
            if (!readCell(t[i], cell))
                return;
            row.cells << cell;
        }
        if (row.kind == PageRow::Line && row.cells.size() > m_columnCount) {
            fail(QStringLiteral("%1 cells for %2 columns").arg(row.cells.size()).arg(m_columnCount));
            return;
        }
        page->rows << row;
    }

    void readButton(const QStringList& t)
    {
        PageDescription* page = currentPage(t[0]);
        if (!page)
            return;
        if (t.size() != 3 || isQuoted(t[1]) || !isQuoted(t[2])) {
            fail(QStringLiteral("expected: %1 NAME \"text\"").arg(t[0]));
            return;
        }
        PageRow row;
        row.kind = t[0] == QLatin1String("button") ? PageRow::Button : PageRow::Display;
        row.name = t[1];
        row.text = unquoted(t[2]);
        row.sourceLine = m_lineNo;
        page->rows << row;
    }

    // specify CODE fld_text CELL...: a line whose label is a text field
    // (the description of an "other income" amount).
    void readSpecify(const QStringList& t)
    {
        PageDescription* page = currentPage(t[0]);
        if (!page || !needWords(t, 4, "a line code (or -), the label's text field and at least one cell"))
            return;
        PageCell label;
        if (isQuoted(t[1]) || !readCell(t[2], label))
            return;
        if (label.kind != PageCell::Field || !label.presentation.isEmpty() || label.objectName != label.text) {
            fail(QStringLiteral("expected: specify CODE fld_text cells..."));
            return;
        }
        QStringList rest = t.mid(3);
        rest.prepend(QStringLiteral("\"\""));
        rest.prepend(t[1]);
        rest.prepend(QStringLiteral("line"));
        const int before = page->rows.size();
        readLine(rest);
        if (page->rows.size() > before) {
            page->rows.last().kind = PageRow::Specify;
            page->rows.last().name = label.text;
        }
    }

    QStringList& m_errors;
    FormPageDescriptions m_result;
    int m_lineNo = 0;
    int m_columnCount = 2;
};

}  // namespace

FormPageDescriptions parsePageDescriptions(const QString& sourceName, const QString& text, QStringList& errors)
{
    return Reader(sourceName, errors).read(text);
}

PageDescriptionRegistry& PageDescriptionRegistry::instance()
{
    static PageDescriptionRegistry registry;
    return registry;
}

void PageDescriptionRegistry::addSource(const char* sourceName, const char* utf8Text)
{
    m_sources.push_back({QString::fromUtf8(sourceName), QString::fromUtf8(utf8Text)});
    m_parsed = false;
}

// Lines between "repeat N" and "end repeat" stand N times, "{n}" in them
// replaced by 1 .. N: a table of numbered rows is written once.
static QString expandRepeatedLines(const QString& sourceName, const QString& text, QStringList& errors)
{
    static const QRegularExpression start(QStringLiteral("^\\s*repeat\\s+(\\d+)\\s*$"));
    static const QRegularExpression stop(QStringLiteral("^\\s*end repeat\\s*$"));
    if (!text.contains(QLatin1String("repeat")))
        return text;
    QStringList out;
    QStringList block;
    int times = -1;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QRegularExpressionMatch open = start.match(line);
        if (open.hasMatch()) {
            if (times >= 0)
                errors << QStringLiteral("%1:%2: repeat inside repeat").arg(sourceName).arg(i + 1);
            times = open.captured(1).toInt();
            block.clear();
        } else if (stop.match(line).hasMatch()) {
            if (times < 0)
                errors << QStringLiteral("%1:%2: end repeat without repeat").arg(sourceName).arg(i + 1);
            for (int n = 1; n <= times; ++n)
                for (const QString& b : block)
                    out << QString(b).replace(QLatin1String("{n}"), QString::number(n));
            times = -1;
        } else if (times >= 0) {
            block << line;
        } else {
            out << line;
        }
    }
    if (times >= 0)
        errors << QStringLiteral("%1: repeat without end repeat").arg(sourceName);
    return out.join(QLatin1Char('\n'));
}

namespace {
bool sameCells(const QVector<PageCell>& a, const QVector<PageCell>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const PageCell& x, const PageCell& y) {
        return x.kind == y.kind && x.text == y.text && x.presentation == y.presentation &&
               x.objectName == y.objectName && x.readOnly == y.readOnly;
    });
}

// Two descriptions of one page give the same page.
bool sameLayout(const PageDescription& a, const PageDescription& b)
{
    return a.id == b.id && a.title == b.title &&
           std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(),
                      [](const PageRow& x, const PageRow& y) {
                          return x.kind == y.kind && x.code == y.code && x.text == y.text && x.name == y.name &&
                                 x.headers == y.headers && sameCells(x.cells, y.cells);
                      });
}
}  // namespace

void PageDescriptionRegistry::parseAll()
{
    if (m_parsed)
        return;
    m_parsed = true;
    m_forms.clear();
    m_pageIndex.clear();
    m_errors.clear();
    for (const Source& source : m_sources) {
        // The year's figures are printed from the one table that the calculations read.
        QStringList unknownFigures;
        const QString text = expandYearFigures(expandRepeatedLines(source.name, source.text, m_errors), &unknownFigures);
        for (const QString& figure : unknownFigures)
            m_errors.append(QStringLiteral("%1: unknown year figure %2").arg(source.name, figure));
        FormPageDescriptions form = parsePageDescriptions(source.name, text, m_errors);
        if (form.formName.isEmpty())
            continue;
        // A later source of the same form replaces the earlier one.
        m_forms.insert(form.formName, form);
    }
    for (auto it = m_forms.cbegin(); it != m_forms.cend(); ++it)
        for (int i = 0; i < it->pages.size(); ++i) {
            const QString& cls = it->pages[i].className;
            if (m_pageIndex.contains(cls)) {
                // Forms may share a page (the statements' vehicle pages) when they describe it alike.
                const QString otherForm = m_pageIndex[cls].first;
                if (!sameLayout(it->pages[i], m_forms[otherForm].pages[m_pageIndex[cls].second]))
                    m_errors << QStringLiteral("%1: page %2 is also described by form %3")
                                    .arg(it->sourceName, cls, otherForm);
            } else
                m_pageIndex.insert(cls, {it.key(), i});
        }
}

const PageDescription* PageDescriptionRegistry::page(const QString& className)
{
    parseAll();
    const auto it = m_pageIndex.constFind(className);
    if (it == m_pageIndex.cend())
        return nullptr;
    return &m_forms[it->first].pages[it->second];
}

const FormPageDescriptions* PageDescriptionRegistry::form(const QString& formName)
{
    parseAll();
    const auto it = m_forms.constFind(formName);
    return it == m_forms.cend() ? nullptr : &*it;
}

const ChoiceList* PageDescriptionRegistry::choiceList(const QString& formName, const QString& name)
{
    const FormPageDescriptions* f = form(formName);
    const QMap<QString, ChoiceList>& lists = f ? f->choices : builtInChoices();
    const auto it = lists.constFind(name);
    return it == lists.cend() ? nullptr : &*it;
}

QStringList PageDescriptionRegistry::formNames()
{
    parseAll();
    return m_forms.keys();
}

QStringList PageDescriptionRegistry::errors()
{
    parseAll();
    return m_errors;
}
