// The walk over the USB printer interfaces that every discovery pass shares.
#pragma once

#include <functional>
#include <string>

namespace printer {

enum class WalkEnd {
    NoInterface,   // no interface at all (also after an invalid interface set)
    Completed,     // every interface was visited
    DetailFailed,  // an interface's detail could not be fetched; the pass ends
};

// Calls `onCandidate` with each interface path that passes the candidate test,
// in the system's order. Shows "invalid HANDLE"/"ERROR" for an invalid
// interface set and "no interface detail data found"/"ERROR" when a detail
// cannot be fetched, at the point of the walk where it happens.
WalkEnd WalkPrinterInterfaces(const std::function<void(const std::string& interfacePath)>& onCandidate);

}  // namespace printer
