// Cutting fields out of device IDs, and the ZEV identity test built on it.
#include <gtest/gtest.h>

#include "printer/id_value.h"
#include "printer/identity.h"

namespace {

using printer::ExtractIdValue;
using printer::IdValueStatus;

TEST(ExtractIdValue, CutsTheTextAfterTheFirstKeyUpToTheNextSemicolon) {
    struct Case {
        const char* id;
        const char* key;
        IdValueStatus status;
        const char* value;
    };
    const Case cases[] = {
        {"MFG:brenlato;MDL:zev;SN:A1;", "MFG:", IdValueStatus::Found, "brenlato"},
        {"MFG:brenlato;MDL:zev;SN:A1;", ";MDL:", IdValueStatus::Found, "zev"},
        {"MFG:x;MDL:zev;SN:A1;S:0300;", ";S:", IdValueStatus::Found, "0300"},
        {"MFG:x;SN:A1;", ";S:", IdValueStatus::KeyMissing, ""},             // ";SN:" is not ";S:"
        {"MFG:x;S:first;S:second;", ";S:", IdValueStatus::Found, "first"},  // first occurrence wins
        {"MFG:;MDL:zev;", "MFG:", IdValueStatus::Found, ""},                // an empty value is a value
        {"MDL:zev;MFG:", "MFG:", IdValueStatus::NothingFollows, ""},
        {"MFG:x;S:", ";S:", IdValueStatus::NothingFollows, ""},
        {"MFG:brenlato", "MFG:", IdValueStatus::Unterminated, ""},
        {"", "MFG:", IdValueStatus::KeyMissing, ""},
        {"mfg:brenlato;", "MFG:", IdValueStatus::KeyMissing, ""},  // keys are case-sensitive
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.id) + " / " + c.key);
        const auto v = ExtractIdValue(c.id, c.key);
        EXPECT_EQ(v.status, c.status);
        EXPECT_EQ(v.text, c.value);
    }
}

TEST(IdentityOf, AcceptsLeadingPartsOfTheMakerAndModelOnly) {
    using printer::Identity;
    struct Case {
        std::string id;
        Identity expected;
    };
    const std::string longValue(120, 'b');
    const Case cases[] = {
        {"MFG:brenlato;MDL:zev;SN:A1;", Identity::Zev},
        {"MFG:BRENLATO;MDL:zev;", Identity::MfgMismatch},
        {"MFG:bren;MDL:zev;", Identity::Zev},
        {"MFG:;MDL:;", Identity::Zev},  // the empty value is a leading part of both
        {"MFG:brenlatox;MDL:zev;", Identity::MfgMismatch},
        {"MFG:brenlato;MDL:zev 2;", Identity::MdlMismatch},
        {"MDL:zev;", Identity::MfgMissing},
        {"MFG:brenlato;", Identity::MdlMissing},
        {"MFG:brenlato;MDL:", Identity::MdlMissing},
        {"MFG:brenlato;MDL:zev", Identity::MdlMismatch},  // unterminated: refused, no message
        {"MFG:renlato;MDL:", Identity::MfgMismatch},      // model never examined after a failed maker
        {"MFG:" + longValue + ";MDL:zev;", Identity::MfgMismatch},
        {"CLS:PRINTER;MFG:brenlato;CMD:PJL;MDL:zev;", Identity::Zev},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(printer::IdentityOf(c.id), c.expected);
    }
}

}  // namespace
