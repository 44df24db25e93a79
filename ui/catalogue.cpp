#include "catalogue.h"

#include "app_config.h"
#include "captions.h"
#include "core/messages.h"

namespace classifier {
namespace {

std::vector<ControlRow> makeCatalogue() {
    // clang-format off
    return {
        {"XPPanel1", Kind::Panel, Style::None, {0, -30, 10785, 9375}, "", Align::None, 0, Panel::Always},
        {"Shape4", Kind::Shape, Style::None, {120, 120, 8055, 495}, "", Align::None, -1, Panel::Always},
        {"Label100", Kind::Label, Style::Title, {120, 200, 8055, 495}, windowCaption(), Align::Centre, 5, Panel::Always},
        {"Shape1", Kind::Shape, Style::None, {120, 720, 8055, 7935}, "", Align::None, -1, Panel::Always},
        {"Shape5", Kind::Shape, Style::None, {240, 840, 7815, 7695}, "", Align::None, -1, Panel::Always},
        {"Shape2", Kind::Shape, Style::None, {8280, 120, 2175, 9135}, "", Align::None, -1, Panel::Always},
        {"KewlButtons1", Kind::CommandButton, Style::Side, {8400, 1080, 1935, 1695}, "نام گذاري به شيوه يونيفايد ( Unified )", Align::None, 1, Panel::Always},
        {"KewlButtons2", Kind::CommandButton, Style::Side, {8400, 3000, 1935, 1695}, "نام گذاري به شيوه آشتو ( AASHTO )", Align::None, 2, Panel::Always},
        {"KewlButtons3", Kind::CommandButton, Style::Side, {8400, 4920, 1935, 1695}, "درباره", Align::None, 3, Panel::Always},
        {"KewlButtons4", Kind::CommandButton, Style::Side, {8400, 6840, 1935, 1695}, "خروج", Align::None, 4, Panel::Always},
        {"Shape3", Kind::Shape, Style::None, {120, 8760, 8055, 495}, "", Align::None, -1, Panel::Always},
        {"LAnimation", Kind::Label, Style::Banner, {1320, 8880, 5475, 195}, bannerCaption(), Align::Centre, 45, Panel::Always},
        {"Label1", Kind::Label, Style::Field, {1200, 1440, 3015, 375}, "در صد عبوري از الك 200  :", Align::Right, 18, Panel::Unified},
        {"Text1", Kind::TextBox, Style::Input, {4680, 1440, 1695, 375}, "34", Align::Centre, 13, Panel::Unified},
        {"Label2", Kind::Label, Style::Field, {1560, 2040, 2655, 375}, "در صد عبوري از الك 4  :", Align::Right, 19, Panel::Unified},
        {"Text2", Kind::TextBox, Style::Input, {4680, 2040, 1695, 375}, "98", Align::Centre, 10, Panel::Unified},
        {"Label3", Kind::Label, Style::Field, {1200, 2640, 3015, 375}, "حد رواني (L.L)  :", Align::Right, 20, Panel::Unified},
        {"Text3", Kind::TextBox, Style::Input, {4680, 2640, 1695, 375}, "38", Align::Centre, 11, Panel::Unified},
        {"Label4", Kind::Label, Style::Field, {1560, 3240, 2655, 375}, "نشانه خميري (P.I)  :", Align::Right, 21, Panel::Unified},
        {"Text4", Kind::TextBox, Style::Input, {4680, 3240, 1695, 375}, "26", Align::Centre, 12, Panel::Unified},
        {"Label8", Kind::Label, Style::Field, {3720, 3840, 735, 375}, "Cc  :", Align::Left, 22, Panel::Unified},
        {"Text6", Kind::TextBox, Style::Input, {4680, 3840, 1695, 375}, "1.06", Align::Centre, 8, Panel::Unified},
        {"Label9", Kind::Label, Style::Field, {3720, 4440, 735, 375}, "Cu  :", Align::Left, 23, Panel::Unified},
        {"Text7", Kind::TextBox, Style::Input, {4680, 4440, 1695, 375}, "23.5", Align::Centre, 9, Panel::Unified},
        {"KewlButtons5", Kind::CommandButton, Style::Calculate, {3000, 5280, 2415, 735}, "محاسبه", Align::None, 7, Panel::Unified},
        {"Line1", Kind::Line, Style::None, {360, 6480, 7920, 6480}, "", Align::None, -1, Panel::Unified},
        {"Label10", Kind::Label, Style::Scratch, {4680, 6480, 975, 375}, "", Align::Right, 16, Panel::Never},
        {"Label6", Kind::Label, Style::Scratch, {2280, 6600, 735, 375}, "", Align::Right, 14, Panel::Never},
        {"Label7", Kind::Label, Style::Scratch, {3480, 6600, 855, 375}, "", Align::Right, 15, Panel::Never},
        {"Label5", Kind::Label, Style::Field, {2160, 7320, 2535, 495}, "نشانه گروه   :", Align::Left, 17, Panel::Unified},
        {"Text5", Kind::TextBox, Style::UnifiedResult, {3960, 7320, 2295, 390}, "-----------------------", Align::Centre, 6, Panel::Unified},
        {"Label15", Kind::Label, Style::Field, {1320, 1470, 3975, 495}, "در صد عبوري از الك 200  :", Align::Left, 33, Panel::Aashto},
        {"E3", Kind::TextBox, Style::Input, {4680, 1440, 1695, 375}, "36", Align::Centre, 28, Panel::Aashto},
        {"Label14", Kind::Label, Style::Field, {1395, 2040, 3975, 495}, "در صد عبوري از الك 40   :", Align::Left, 32, Panel::Aashto},
        {"e4", Kind::TextBox, Style::Input, {4680, 2055, 1695, 375}, "30", Align::Centre, 27, Panel::Aashto},
        {"Label13", Kind::Label, Style::Field, {1440, 2670, 3975, 495}, "در صد عبوري از الك10   :", Align::Left, 31, Panel::Aashto},
        {"e5", Kind::TextBox, Style::Input, {4680, 2655, 1695, 375}, "10", Align::Centre, 26, Panel::Aashto},
        {"Label12", Kind::Label, Style::Field, {2280, 3270, 2775, 375}, "حد رواني (L.L)  :", Align::Left, 30, Panel::Aashto},
        {"e6", Kind::TextBox, Style::Input, {4680, 3225, 1695, 375}, "51", Align::Centre, 25, Panel::Aashto},
        {"Label11", Kind::Label, Style::Field, {1800, 3840, 3495, 375}, "نشانه خميري (P.I)  :", Align::Left, 29, Panel::Aashto},
        {"e7", Kind::TextBox, Style::Input, {4680, 3825, 1695, 375}, "9", Align::Centre, 24, Panel::Aashto},
        {"KewlButtons6", Kind::CommandButton, Style::Calculate, {3000, 4560, 2415, 735}, "محاسبه", Align::None, 34, Panel::Aashto},
        {"Line2", Kind::Line, Style::None, {360, 5520, 7920, 5520}, "", Align::None, -1, Panel::Aashto},
        {"Label18", Kind::Label, Style::Field, {1920, 5805, 2415, 375}, "نوع خاك  :", Align::Right, 40, Panel::Aashto},
        {"Text10", Kind::TextBox, Style::Result, {4680, 5760, 1695, 375}, "-----------------------", Align::Centre, 37, Panel::Aashto},
        {"Label17", Kind::Label, Style::Field, {1560, 6360, 2775, 495}, "مصالح تشكيل دهنده  :", Align::Right, 39, Panel::Aashto},
        {"Text9", Kind::TextBox, Style::Result, {4680, 6360, 2895, 375}, "--------------------------------", Align::Centre, 36, Panel::Aashto},
        {"Label16", Kind::Label, Style::Field, {1920, 7005, 2415, 255}, "نام خاك  :", Align::Right, 38, Panel::Aashto},
        {"Text8", Kind::TextBox, Style::Result, {4680, 6960, 1695, 375}, "-----------------------", Align::Centre, 35, Panel::Aashto},
        {"Label19", Kind::Label, Style::Field, {1320, 7560, 3015, 375}, " G . I  (نشانه گروه )   :", Align::Right, 42, Panel::Aashto},
        {"Text11", Kind::TextBox, Style::Result, {4680, 7560, 1815, 375}, "-----------------------", Align::Centre, 41, Panel::Aashto},
        {"Label21", Kind::Label, Style::Note, {600, 8040, 3375, 255}, std::string(kNegativeIndexNote), Align::Centre, 44, Panel::AashtoNote},
        {"Label20", Kind::Label, Style::Note, {4560, 8040, 2895, 255}, std::string(kZeroIndexNote), Align::Right, 43, Panel::AashtoNote},
        {"Image1", Kind::Image, Style::None, {720, 960, 2130, 3000}, "", Align::None, -1, Panel::About, ":/emblem.jpg"},
        {"Image2", Kind::Image, Style::None, {720, 3960, 2130, 4500}, "", Align::None, -1, Panel::About, ":/portrait.jpg"},
        {"Label26", Kind::Label, Style::About, {5760, 1560, 1935, 375}, "عنوان نرم افزار  :", Align::Right, 56, Panel::About},
        {"Label27", Kind::Label, Style::About, {3000, 1560, 2895, 375}, std::string(config::kSoftwareName), Align::Right, 55, Panel::About},
        {"Label28", Kind::Label, Style::About, {6120, 2040, 1575, 375}, "نسخه برنامه :", Align::Right, 54, Panel::About},
        {"Label29", Kind::Label, Style::AboutLtr, {3840, 2040, 2295, 375}, "1.0", Align::Right, 53, Panel::About},
        {"Label30", Kind::Label, Style::About, {6120, 2520, 1575, 375}, "تاريخ طراحي :", Align::Right, 52, Panel::About},
        {"Label31", Kind::Label, Style::AboutLtr, {3600, 2520, 2535, 375}, "1389/02/16", Align::Right, 51, Panel::About},
        {"Label32", Kind::Label, Style::About, {5520, 3000, 2175, 375}, "طراح و برنامه نويس :", Align::Right, 50, Panel::About},
        {"Label33", Kind::Label, Style::About, {3240, 3000, 2295, 375}, std::string(config::kDesignerName), Align::Right, 49, Panel::About},
        {"Label34", Kind::Label, Style::About, {5040, 3480, 2655, 375}, "ارتباط با من :", Align::Right, 57, Panel::About},
        {"XPButton1", Kind::XpButton, Style::Xp, {3480, 4200, 3855, 855}, emailCaption(), Align::None, 48, Panel::About, ":/mail.jpg"},
        {"XPButton2", Kind::XpButton, Style::Xp, {3480, 5160, 3855, 855}, mobileCaption(), Align::None, 47, Panel::About, ":/phone.jpg"},
        {"XPButton3", Kind::XpButton, Style::Xp, {3480, 6120, 3855, 855}, firstAddressCaption(), Align::None, 46, Panel::About, ":/web.jpg"},
        {"XPButton4", Kind::XpButton, Style::Xp, {3480, 7080, 3855, 855}, secondAddressCaption(), Align::None, 58, Panel::About, ":/web.jpg"},
    };
    // clang-format on
}

} // namespace

const std::vector<ControlRow>& catalogue() {
    static const std::vector<ControlRow> table = makeCatalogue();
    return table;
}

} // namespace classifier
