#include "host/carry_forward.h"

#include "framework/datastream.h"
#include "host/trust_jurisdiction.h"
#include "host/return_error.h"
#include "returns/t3ret.h"

namespace {
// The purpose code passed to ShouldBeImported for a carry-forward.
constexpr unsigned char kImportPurpose = 0;

int creatorArgOf(const FormClass& cls, const CTaxData_Form& form)
{
    switch (cls.creatorArg) {
    case CreatorArg::TypeId: return form.formType();
    case CreatorArg::SlipOrigin: return dynamic_cast<const CSlipTaxDataBase01&>(form).slipFrom();
    case CreatorArg::None: break;
    }
    return 0;
}

std::unique_ptr<CTaxData_Form> copyOf(int index, CTaxData_Form& old, const FormCatalogue& catalogue)
{
    const FormClass* cls = catalogue.classOf(old);
    const QString where = formLabel(index, cls ? cls->jsonName : old.shortClassName());
    if (!cls)
        throw ReturnFileError(where + QStringLiteral(": the form class is not in the catalogue"));
    std::unique_ptr<CTaxData_Form> copy = cls->create(creatorArgOf(*cls, old));
    MyDataStream out = MyDataStream::forStoring();
    old.Serialize(TRUSTELLA_STREAM_VERSION, CString(), out);
    MyDataStream in = MyDataStream::forLoading(out.finish());
    if (copy->Serialize(in.version(), CString(), in) != 0 || !in.ok())
        throw ReturnFileError(where + QStringLiteral(": cannot copy the form: ") + QString::fromStdString(in.error()));
    copy->setProvince(old.getProvince());
    return copy;
}
}  // namespace

TaxReturn carryForward(const TaxReturn& old, const STRUCT_IMPORT_LASTYEAR_PARAM& param, const FormCatalogue& catalogue)
{
    const TaxData_T3Ret* t3 = old.first<TaxData_T3Ret>();
    const auto jurisdiction = ENUMTYPE_PROVINCE(t3 ? trustJurisdiction(*t3) : PROV_NONE);
    TaxReturn next;
    for (int i = 0; i < old.size(); ++i) {
        CTaxData_Form& form = *old.form(i);
        if (!form.ShouldBeImported(kImportPurpose, jurisdiction))
            continue;
        std::unique_ptr<CTaxData_Form> copy = copyOf(i, form, catalogue);
        copy->ChangeToNewYearData(param);
        next.add(std::move(copy));
    }
    return next;
}
