#include "method_panels.h"

namespace classifier {
namespace {

constexpr std::array<CaptionedBox, 6> kUnifiedInputs = {{
    {"Text1", "Label1"},
    {"Text2", "Label2"},
    {"Text3", "Label3"},
    {"Text4", "Label4"},
    {"Text6", "Label8"},
    {"Text7", "Label9"},
}};
constexpr std::array<CaptionedBox, 1> kUnifiedResults = {{{"Text5", "Label5"}}};

constexpr std::array<CaptionedBox, 5> kAashtoInputs = {{
    {"E3", "Label15"},
    {"e4", "Label14"},
    {"e5", "Label13"},
    {"e6", "Label12"},
    {"e7", "Label11"},
}};
constexpr std::array<CaptionedBox, 4> kAashtoResults = {{
    {"Text8", "Label16"},
    {"Text9", "Label17"},
    {"Text10", "Label18"},
    {"Text11", "Label19"},
}};

constexpr MethodPanel kUnified = {Method::Unified, "KewlButtons5", kUnifiedInputs, kUnifiedResults};
constexpr MethodPanel kAashto = {Method::Aashto, "KewlButtons6", kAashtoInputs, kAashtoResults};

} // namespace

const MethodPanel& methodPanel(Method method) {
    return method == Method::Unified ? kUnified : kAashto;
}

} // namespace classifier
