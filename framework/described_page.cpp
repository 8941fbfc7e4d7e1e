#include "framework/described_page.h"

#include "framework/form.h"

#include <QLayout>
#include <QPushButton>

DescribedTaxPage::DescribedTaxPage(const PageDescription& description, CTaxData_Form* form, QWidget* parent)
    : BaseTaxPage(description.id, description.title, form, parent), m_description(description)
{
    setObjectName(description.className);
}

DescribedTaxPage::~DescribedTaxPage() = default;

DescribedTaxPage* DescribedTaxPage::create(const PageDescription& description, CTaxData_Form* form,
                                           QWidget* parent)
{
    const PageClassRegistry::Factory* factory = PageClassRegistry::instance().find(description.className);
    DescribedTaxPage* page = factory ? (*factory)(description, form, parent)
                                     : new DescribedTaxPage(description, form, parent);
    // Built after construction, so that a page class's overrides take part.
    page->build();
    return page;
}

void DescribedTaxPage::build()
{
    if (m_ui)
        return;
    m_ui = std::make_unique<PageUi>();
    if (!form()) {
        PageDescription placeholder = m_description;
        PageRow row;
        row.kind = PageRow::Note;
        row.text = QStringLiteral("This page has no form.");
        placeholder.rows = {row};
        CTaxDataBase01 none(0);
        m_ui->setupUi(this, placeholder, none);
        return;
    }
    m_ui->setupUi(this, m_description, *form());
    AssociateFormData();
    GetDataFromDoc();
}

void DescribedTaxPage::AssociateFormData()
{
    for (const PageUi::BoundCell& cell : m_ui->boundCells())
        bindWidget(cell.widget, form()->findField(cell.fieldName.toStdString()));
}

void DescribedTaxPage::openWorksheetOnClick(const QString& buttonName, int which)
{
    QPushButton* button = m_ui ? m_ui->button(buttonName) : nullptr;
    if (!button)
        return;
    connect(button, &QPushButton::clicked, this, [this, which] { ShowWorksheetEditDlg(which, 0); });
    m_openedWorksheets << which;
}

void appendDescribedPages(CTaxData_Form& form, QList<BaseTaxPage*>& pages, QWidget* parent)
{
    if (const FormPageDescriptions* described = PageDescriptionRegistry::instance().form(form.shortClassName()))
        for (const PageDescription& description : described->pages)
            pages.append(DescribedTaxPage::create(description, &form, parent));
}

PageClassRegistry& PageClassRegistry::instance()
{
    static PageClassRegistry registry;
    return registry;
}

void PageClassRegistry::add(const QString& className, Factory factory)
{
    m_factories.insert(className, std::move(factory));
}

const PageClassRegistry::Factory* PageClassRegistry::find(const QString& className) const
{
    const auto it = m_factories.constFind(className);
    return it == m_factories.cend() ? nullptr : &*it;
}

QStringList PageClassRegistry::classNames() const
{
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

QImage renderPageSheet(BaseTaxPage* page, int width)
{
    auto* described = qobject_cast<DescribedTaxPage*>(page);
    QWidget* target = described && described->ui() && described->ui()->sheet() ? described->ui()->sheet() : page;
    target->ensurePolished();
    if (QLayout* layout = target->layout())
        layout->activate();
    const int w = qMax(width, target->minimumSizeHint().width());
    const QLayout* layout = target->layout();
    const int h = layout && layout->hasHeightForWidth() ? layout->totalHeightForWidth(w) : target->sizeHint().height();
    target->resize(w, qMax(h, target->minimumSizeHint().height()));
    return target->grab().toImage();
}
