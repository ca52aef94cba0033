#pragma once
// Which answer a request gets, decided without any network code: the
// refusals (method, size, malformed target) and the page or document of a
// path. The web server only carries the bytes.
#include "display/board_inputs.h"
#include "live/race_site.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

struct WebResponse {
    int status = 200;
    std::string contentType;
    std::string body;
};

// Bounds of what a phone ever sends; anything above is refused.
inline constexpr std::size_t kMaxTargetLength = 512;
inline constexpr std::size_t kMaxRequestHeaderBytes = 8192;

// The refusal of a request before its path is looked at: 405 for anything
// but GET and HEAD (the site can change nothing), 413 for a body, 414 for a
// long target, 431 for large headers, 400 for a target that is not a plain
// absolute path. Nothing when the request may go on.
std::optional<WebResponse> refuseRequest(std::string_view method, std::string_view target,
    std::size_t headerBytes, std::size_t bodyBytes);

// The error page of a status, in the official's language.
WebResponse errorResponse(int status);

// What the site holds at the moment of a request.
struct SiteState {
    const BoardInputs* heat = nullptr;
    std::uint64_t heatVersion = 0;
    const std::string* heatJson = nullptr;
    const RaceSite* race = nullptr;
};

// The answer for a path ("/", "/resultats", "/api/direct" ...). The event
// stream "/evenements" belongs to the server and is not answered here.
WebResponse routeRequest(std::string_view path, const SiteState& state);

inline constexpr std::string_view kEventStreamPath = "/evenements";

} // namespace ksy
