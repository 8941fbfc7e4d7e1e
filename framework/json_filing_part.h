// A form with a part of its own in the JSON filing document, besides the
// return's body: the statements and Form T1055 (each an entry of
// "statements"), Schedule 15 (the trust's declaration and each reportable
// entity). The host appends each part, in the order of the return's forms, to
// the document's array named by the section, with the form's class first.
#pragma once

#include <nlohmann/json_fwd.hpp>

class JsonFilingPart {
public:
    using json = nlohmann::ordered_json;
    virtual ~JsonFilingPart() = default;
    virtual const char* jsonFilingSection() const = 0;
    virtual void writeJsonFilingPart(json& part) = 0;
};

// A statement or Form T1055: its `WriteJsonFile` is its entry of "statements".
template <class Form>
class JsonStatementPart : public JsonFilingPart {
public:
    const char* jsonFilingSection() const override { return "statements"; }
    void writeJsonFilingPart(json& part) override { static_cast<Form*>(this)->WriteJsonFile(0, part); }
};
