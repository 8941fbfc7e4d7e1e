#include "host/filing_output.h"

#include "framework/form.h"
#include "framework/json_filing_part.h"
#include "framework/json_streaming.h"

#include <cstdio>
#include <cstdlib>
#include "returns/t183trust.h"
#include "returns/t3base.h"
#include "returns/t3m.h"
#include "returns/t3ret.h"
#include "host/slip_filing.h"

QStringList lineStreamOf(NetfileLineStreamForm& form)
{
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    if (!out)
        return {};
    NetfileTypedMap typed;
    int reserved = 0;
    form.WriteNetfile(0, typed, out, reserved);
    std::fclose(out);
    const QString text = QString::fromUtf8(buffer, int(size));
    std::free(buffer);
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

namespace {
template <class Form>
Form* firstOf(const std::vector<CTaxData_Form*>& forms)
{
    for (CTaxData_Form* f : forms)
        if (auto* match = dynamic_cast<Form*>(f))
            return match;
    return nullptr;
}
}  // namespace

std::vector<FormNetfileRecords> collectNetfileRecords(const std::vector<CTaxData_Form*>& forms)
{
    std::vector<FormNetfileRecords> sets;
    for (int i = 0; i < int(forms.size()); ++i) {
        CTaxData_Form* form = forms[size_t(i)];
        if (!form || form->shouldSkipWriteNetfile())
            continue;
        NetfileGenObjParamStruct ctx;
        ctx.formIndex = i;
        form->WriteNetfile(0, &ctx);
        QStringList lines;
        if (auto* streamForm = dynamic_cast<NetfileLineStreamForm*>(form))
            lines = lineStreamOf(*streamForm);
        if (!ctx.records.empty() || !lines.isEmpty())
            sets.push_back(FormNetfileRecords{form->shortClassName(), i, std::move(ctx.records), std::move(lines)});
    }
    return sets;
}

QString netfileRecordsText(const std::vector<FormNetfileRecords>& sets)
{
    QString text;
    for (const FormNetfileRecords& set : sets) {
        for (const auto& [code, value] : set.records)
            text += set.form + QLatin1Char(' ') + QString::fromStdString(code) + QLatin1Char(' ') + value +
                    QLatin1Char('\n');
        for (const QString& line : set.lineStream)
            text += set.form + QStringLiteral(" stream ") + line + QLatin1Char('\n');
    }
    return text;
}

json netfileRecordsJson(const std::vector<FormNetfileRecords>& sets)
{
    json out = json::array();
    for (const FormNetfileRecords& set : sets) {
        json records = json::object();
        for (const auto& [code, value] : set.records)
            records[code] = value.toStdString();
        json entry{{"form", set.form.toStdString()}, {"index", set.index}, {"records", std::move(records)}};
        if (!set.lineStream.isEmpty()) {
            json lines = json::array();
            for (const QString& line : set.lineStream)
                lines.push_back(line.toStdString());
            entry["lineStream"] = std::move(lines);
        }
        out.push_back(std::move(entry));
    }
    return out;
}

namespace {
const json::json_pointer kSlipsPointer("/slipFiling/slips");

// The whole document with an empty slips array: its place is kept, the slips
// themselves are added by the caller (all at once, or one at a time).
bool buildDocumentFrame(const std::vector<CTaxData_Form*>& forms, json& doc, QString& error)
{
    TaxData_T3Base* ret = firstOf<TaxData_T3Base>(forms);
    if (!ret) {
        error = QStringLiteral("the return has no trust return form to file");
        return false;
    }
    doc = json::object();
    json body = json::object();
    ret->writeJsonHeader(body);
    ret->writeJsonMainPart1(body);
    // The T3 return and the T3M write their trustee inside their own part;
    // the other types' trustee (and the T3-RCA's answers) follow it.
    if (!qobject_cast<TaxData_T3Ret*>(ret) && !qobject_cast<TaxData_T3M*>(ret))
        ret->writeJsonPrimaryTrustee(body);
    doc["return"] = std::move(body);

    if (TaxData_T183Trust* t183 = firstOf<TaxData_T183Trust>(forms)) {
        json preparer = json::object();
        t183->toJsonProfData(preparer);
        doc["taxPreparer"] = std::move(preparer);
    }

    doc["statements"] = json::array();
    for (CTaxData_Form* form : forms) {
        auto* part = dynamic_cast<JsonFilingPart*>(form);
        if (!part)
            continue;
        json entry{{"form", form->shortClassName().toStdString()}};
        part->writeJsonFilingPart(entry);
        json& section = doc[part->jsonFilingSection()];
        if (section.is_null())
            section = json::array();
        section.push_back(std::move(entry));
    }

    json issuer = json::object();
    ret->getIssuingSlipEntityData(issuer);
    json& slipFiling = doc["slipFiling"];
    slipFiling = json::object();
    slipFiling.get_ref<json::object_t&>().reserve(3);
    slipFiling["issuer"] = std::move(issuer);
    slipFiling["slips"] = json::array();
    slipFiling["transmitter"] = transmitterJson(forms);
    return true;
}
}  // namespace

bool buildFilingDocument(const std::vector<CTaxData_Form*>& forms, json& doc, QString& error)
{
    if (!buildDocumentFrame(forms, doc, error))
        return false;
    doc[kSlipsPointer] = issuedSlipsJson(forms);
    return true;
}

bool filingDocumentText(const std::vector<CTaxData_Form*>& forms, int indent, std::string& text, QString& error)
{
    json frame;
    if (!buildDocumentFrame(forms, frame, error))
        return false;
    IssuedSlipSource slips(forms);
    text.clear();
    dumpWithStreamedArray(frame, kSlipsPointer, std::ref(slips), slips.count(), indent, text);
    return true;
}

std::vector<FormNetfileRecords> collectNetfileRecords(const TaxReturn& ret)
{
    return collectNetfileRecords(ret.formPointers());
}

bool buildFilingDocument(const TaxReturn& ret, json& doc, QString& error)
{
    return buildFilingDocument(ret.formPointers(), doc, error);
}

bool filingDocumentText(const TaxReturn& ret, int indent, std::string& text, QString& error)
{
    return filingDocumentText(ret.formPointers(), indent, text, error);
}
