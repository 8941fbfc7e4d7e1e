#include "slips/slip_textplain.h"

#include "framework/datastream.h"

#include <cstdio>

const std::vector<DocTypeInfo> Global_DocTypes_Info = {
    {"Other document", "Other supporting document", "OTHER"},
    {"Receipt", "Receipt", "RECEIPT"},
    {"Information slip", "Other information slip", "SLIP"},
    {"Statement of account", "Statement of account", "STATEMENT"},
    {"Letter", "Letter", "LETTER"},
};

const DocTypeInfo& TaxData_Slip_TextPlain::docType() const
{
    const int row = fld_iDocType;
    return row >= 0 && size_t(row) < Global_DocTypes_Info.size() ? Global_DocTypes_Info[size_t(row)]
                                                                 : Global_DocTypes_Info.front();
}

int TaxData_Slip_TextPlain::Calculate02()
{
    m_docName = docType().docName;
    return 0;
}

bool TaxData_Slip_TextPlain::GetDocName(CString& out)
{
    Calculate02();
    out = m_docName;
    return true;
}

bool TaxData_Slip_TextPlain::GetDocID(CString& out)
{
    out = docType().docId;
    return true;
}

int TaxData_Slip_TextPlain::getSlipContentForAttachDoc(CString& out, std::map<CString, CString>& /*values*/)
{
    out = fld_content.str();
    return 0;
}

int TaxData_Slip_TextPlain::Serialize(unsigned int version, const CString& password, MyDataStream& ar)
{
    const int result = ReceivedSlip::Serialize(version, password, ar);
    if (result != 0)
        return result;
    fld_content.Serialize(version, ar);
    return ar.ok() ? 0 : -1;
}

int TaxData_Slip_TextPlain::WriteJavaFileImplementation(FILE* out)
{
    const int result = ReceivedSlip::WriteJavaFileImplementation(out);
    std::fputs("\n"
               "protected void readExtraDataFromStream(LEDataInputStream instrm, int version) throws IOException\n"
               "{\n"
               "if (version>=TaxFormData.const_data_xml_version_start+1)\n"
               "{\n"
               "fld_content.readDataFromStream(instrm, version);\n"
               "}\n"
               "}\n"
               "\n",
               out);
    return result;
}
