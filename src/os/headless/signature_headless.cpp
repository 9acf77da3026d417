// Signatures on the simulated machine travel with the content: a file that
// starts with "signed:" carries a valid one, "badsig:" one that does not verify.
#include <fstream>

#include "os/headless/machine.h"
#include "os/signature.h"

namespace os {

Signature FileSignature(const std::string& path) {
    std::ifstream in(headless::machine().hostPath(path), std::ios::binary);
    char head[7] = {};
    if (!in.read(head, sizeof head)) return Signature::None;
    const std::string_view start(head, sizeof head);
    if (start == "signed:") return Signature::Valid;
    if (start == "badsig:") return Signature::Invalid;
    return Signature::None;
}

}  // namespace os
