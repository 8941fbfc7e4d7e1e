// A plain-text slip: any other document the trust received, typed in, with
// its document type.
#pragma once

#include "slips/received_slip.h"

// One document type: the text offered in the choice, the document name and its ID.
struct DocTypeInfo {
    const char* label;
    const char* docName;
    const char* docId;
};
extern const std::vector<DocTypeInfo> Global_DocTypes_Info;

class TaxData_Slip_TextPlain : public ReceivedSlip {
    Q_OBJECT
public:
    explicit TaxData_Slip_TextPlain(int from = kSlipReceivedByTrust) : ReceivedSlip(1, from) {}
    int Calculate02() override;
    bool GetDocName(CString& out) override;
    bool GetDocID(CString& out) override;
    int getSlipContentForAttachDoc(CString& out, std::map<CString, CString>& values) override;
    // The fields, then the content once more (as the stored data of this slip always had it).
    int Serialize(unsigned int version, const CString& password, MyDataStream& ar) override;
    int WriteJavaFileImplementation(FILE* out) override;
    CString slipParty() const override { return docType().docName; }

    FLD(CIntField, fld_iDocType, 0);  // row of Global_DocTypes_Info
    FLD(CStringField, fld_content, 0, "", 1000);

    CString m_docName;  // set by Calculate02

private:
    const DocTypeInfo& docType() const;
};
