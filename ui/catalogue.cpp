#include "catalogue.h"

#include "app_config.h"
#include "captions.h"
#include "window_texts.h"

#include <cstdlib>

namespace classifier {
namespace {

std::vector<ControlRow> makeCatalogue() {
    // clang-format off
    return {
        {"XPPanel1", Kind::Panel, Style::None, {0, -30, 10785, 9375}, "", Align::None, 0, Panel::Always, Role::None},
        {"Shape4", Kind::Shape, Style::None, {120, 120, 8055, 495}, "", Align::None, -1, Panel::Always, Role::None},
        {"Label100", Kind::Label, Style::Title, {120, 200, 8055, 495}, windowCaption(), Align::Centre, 5, Panel::Always, Role::None},
        {"Shape1", Kind::Shape, Style::None, {120, 720, 8055, 7935}, "", Align::None, -1, Panel::Always, Role::PanelArea},
        {"Shape5", Kind::Shape, Style::None, {240, 840, 7815, 7695}, "", Align::None, -1, Panel::Always, Role::None},
        {"Shape2", Kind::Shape, Style::None, {8280, 120, 2175, 9135}, "", Align::None, -1, Panel::Always, Role::None},
        {"KewlButtons1", Kind::CommandButton, Style::Side, {8400, 1080, 1935, 1695}, "نام گذاري به شيوه يونيفايد ( Unified )", Align::None, 1, Panel::Always, Role::ShowUnified},
        {"KewlButtons2", Kind::CommandButton, Style::Side, {8400, 3000, 1935, 1695}, "نام گذاري به شيوه آشتو ( AASHTO )", Align::None, 2, Panel::Always, Role::ShowAashto},
        {"KewlButtons3", Kind::CommandButton, Style::Side, {8400, 4920, 1935, 1695}, "درباره", Align::None, 3, Panel::Always, Role::ShowAbout},
        {"KewlButtons4", Kind::CommandButton, Style::Side, {8400, 6840, 1935, 1695}, "خروج", Align::None, 4, Panel::Always, Role::Exit},
        {"Shape3", Kind::Shape, Style::None, {120, 8760, 8055, 495}, "", Align::None, -1, Panel::Always, Role::None},
        {"LAnimation", Kind::Label, Style::Banner, {1320, 8880, 5475, 195}, bannerCaption(), Align::Centre, 45, Panel::Always, Role::Banner},
        {"Label1", Kind::Label, Style::Field, {1200, 1440, 3015, 375}, "در صد عبوري از الك 200  :", Align::Right, 18, Panel::Unified, Role::None, Role::UnifiedFines},
        {"Text1", Kind::TextBox, Style::Input, {4680, 1440, 1695, 375}, "34", Align::Centre, 13, Panel::Unified, Role::UnifiedFines},
        {"Label2", Kind::Label, Style::Field, {1560, 2040, 2655, 375}, "در صد عبوري از الك 4  :", Align::Right, 19, Panel::Unified, Role::None, Role::UnifiedPassingNo4},
        {"Text2", Kind::TextBox, Style::Input, {4680, 2040, 1695, 375}, "98", Align::Centre, 10, Panel::Unified, Role::UnifiedPassingNo4},
        {"Label3", Kind::Label, Style::Field, {1200, 2640, 3015, 375}, "حد رواني (L.L)  :", Align::Right, 20, Panel::Unified, Role::None, Role::UnifiedLiquidLimit},
        {"Text3", Kind::TextBox, Style::Input, {4680, 2640, 1695, 375}, "38", Align::Centre, 11, Panel::Unified, Role::UnifiedLiquidLimit},
        {"Label4", Kind::Label, Style::Field, {1560, 3240, 2655, 375}, "نشانه خميري (P.I)  :", Align::Right, 21, Panel::Unified, Role::None, Role::UnifiedPlasticityIndex},
        {"Text4", Kind::TextBox, Style::Input, {4680, 3240, 1695, 375}, "26", Align::Centre, 12, Panel::Unified, Role::UnifiedPlasticityIndex},
        {"Label8", Kind::Label, Style::Field, {3720, 3840, 735, 375}, "Cc  :", Align::Left, 22, Panel::Unified, Role::None, Role::UnifiedCc},
        {"Text6", Kind::TextBox, Style::Input, {4680, 3840, 1695, 375}, "1.06", Align::Centre, 8, Panel::Unified, Role::UnifiedCc},
        {"Label9", Kind::Label, Style::Field, {3720, 4440, 735, 375}, "Cu  :", Align::Left, 23, Panel::Unified, Role::None, Role::UnifiedCu},
        {"Text7", Kind::TextBox, Style::Input, {4680, 4440, 1695, 375}, "23.5", Align::Centre, 9, Panel::Unified, Role::UnifiedCu},
        {"KewlButtons5", Kind::CommandButton, Style::Calculate, {3000, 5280, 2415, 735}, "محاسبه", Align::None, 7, Panel::Unified, Role::UnifiedCalculate},
        {"Line1", Kind::Line, Style::None, {360, 6480, 7920, 6480}, "", Align::None, -1, Panel::Unified, Role::None},
        {"Label10", Kind::Label, Style::Scratch, {4680, 6480, 975, 375}, "", Align::Right, 16, Panel::Never, Role::GradationLetter},
        {"Label6", Kind::Label, Style::Scratch, {2280, 6600, 735, 375}, "", Align::Right, 14, Panel::Never, Role::TypeLetter},
        {"Label7", Kind::Label, Style::Scratch, {3480, 6600, 855, 375}, "", Align::Right, 15, Panel::Never, Role::SecondLetter},
        {"Label5", Kind::Label, Style::Field, {2160, 7320, 2535, 495}, "نشانه گروه   :", Align::Left, 17, Panel::Unified, Role::None, Role::UnifiedSymbol},
        {"Text5", Kind::TextBox, Style::UnifiedResult, {3960, 7320, 2295, 390}, std::string(kNoResult), Align::Centre, 6, Panel::Unified, Role::UnifiedSymbol},
        {"Label15", Kind::Label, Style::Field, {1320, 1470, 3975, 495}, "در صد عبوري از الك 200  :", Align::Left, 33, Panel::Aashto, Role::None, Role::AashtoFines},
        {"E3", Kind::TextBox, Style::Input, {4680, 1440, 1695, 375}, "36", Align::Centre, 28, Panel::Aashto, Role::AashtoFines},
        {"Label14", Kind::Label, Style::Field, {1395, 2040, 3975, 495}, "در صد عبوري از الك 40   :", Align::Left, 32, Panel::Aashto, Role::None, Role::AashtoPassingNo40},
        {"e4", Kind::TextBox, Style::Input, {4680, 2055, 1695, 375}, "30", Align::Centre, 27, Panel::Aashto, Role::AashtoPassingNo40},
        {"Label13", Kind::Label, Style::Field, {1440, 2670, 3975, 495}, "در صد عبوري از الك10   :", Align::Left, 31, Panel::Aashto, Role::None, Role::AashtoPassingNo10},
        {"e5", Kind::TextBox, Style::Input, {4680, 2655, 1695, 375}, "10", Align::Centre, 26, Panel::Aashto, Role::AashtoPassingNo10},
        {"Label12", Kind::Label, Style::Field, {2280, 3270, 2775, 375}, "حد رواني (L.L)  :", Align::Left, 30, Panel::Aashto, Role::None, Role::AashtoLiquidLimit},
        {"e6", Kind::TextBox, Style::Input, {4680, 3225, 1695, 375}, "51", Align::Centre, 25, Panel::Aashto, Role::AashtoLiquidLimit},
        {"Label11", Kind::Label, Style::Field, {1800, 3840, 3495, 375}, "نشانه خميري (P.I)  :", Align::Left, 29, Panel::Aashto, Role::None, Role::AashtoPlasticityIndex},
        {"e7", Kind::TextBox, Style::Input, {4680, 3825, 1695, 375}, "9", Align::Centre, 24, Panel::Aashto, Role::AashtoPlasticityIndex},
        {"KewlButtons6", Kind::CommandButton, Style::Calculate, {3000, 4560, 2415, 735}, "محاسبه", Align::None, 34, Panel::Aashto, Role::AashtoCalculate},
        {"Line2", Kind::Line, Style::None, {360, 5520, 7920, 5520}, "", Align::None, -1, Panel::Aashto, Role::None},
        {"Label18", Kind::Label, Style::Field, {1920, 5805, 2415, 375}, "نوع خاك  :", Align::Right, 40, Panel::Aashto, Role::None, Role::SoilType},
        {"Text10", Kind::TextBox, Style::Result, {4680, 5760, 1695, 375}, std::string(kNoResult), Align::Centre, 37, Panel::Aashto, Role::SoilType},
        {"Label17", Kind::Label, Style::Field, {1560, 6360, 2775, 495}, "مصالح تشكيل دهنده  :", Align::Right, 39, Panel::Aashto, Role::None, Role::Material},
        {"Text9", Kind::TextBox, Style::Result, {4680, 6360, 2895, 375}, std::string(kNoMaterial), Align::Centre, 36, Panel::Aashto, Role::Material},
        {"Label16", Kind::Label, Style::Field, {1920, 7005, 2415, 255}, "نام خاك  :", Align::Right, 38, Panel::Aashto, Role::None, Role::Group},
        {"Text8", Kind::TextBox, Style::Result, {4680, 6960, 1695, 375}, std::string(kNoResult), Align::Centre, 35, Panel::Aashto, Role::Group},
        {"Label19", Kind::Label, Style::Field, {1320, 7560, 3015, 375}, " G . I  (نشانه گروه )   :", Align::Right, 42, Panel::Aashto, Role::None, Role::GroupIndex},
        {"Text11", Kind::TextBox, Style::Result, {4680, 7560, 1815, 375}, std::string(kNoResult), Align::Centre, 41, Panel::Aashto, Role::GroupIndex},
        {"Label21", Kind::Label, Style::Note, {600, 8040, 3375, 255}, std::string(kNegativeIndexCaption), Align::Centre, 44, Panel::AashtoNote, Role::NegativeIndexNote},
        {"Label20", Kind::Label, Style::Note, {4560, 8040, 2895, 255}, std::string(kZeroIndexCaption), Align::Right, 43, Panel::AashtoNote, Role::ZeroIndexNote},
        {"Image1", Kind::Image, Style::None, {720, 960, 2130, 3000}, "", Align::None, -1, Panel::About, Role::Emblem, Role::None, ":/emblem.jpg"},
        {"Image2", Kind::Image, Style::None, {720, 3960, 2130, 4500}, "", Align::None, -1, Panel::About, Role::Portrait, Role::None, ":/portrait.jpg"},
        {"Label26", Kind::Label, Style::About, {5760, 1560, 1935, 375}, "عنوان نرم افزار  :", Align::Right, 56, Panel::About, Role::None},
        {"Label27", Kind::Label, Style::About, {3000, 1560, 2895, 375}, std::string(config::kSoftwareName), Align::Right, 55, Panel::About, Role::None},
        {"Label28", Kind::Label, Style::About, {6120, 2040, 1575, 375}, "نسخه برنامه :", Align::Right, 54, Panel::About, Role::None},
        {"Label29", Kind::Label, Style::AboutLtr, {3840, 2040, 2295, 375}, "1.0", Align::Right, 53, Panel::About, Role::None},
        {"Label30", Kind::Label, Style::About, {6120, 2520, 1575, 375}, "تاريخ طراحي :", Align::Right, 52, Panel::About, Role::None},
        {"Label31", Kind::Label, Style::AboutLtr, {3600, 2520, 2535, 375}, "1389/02/16", Align::Right, 51, Panel::About, Role::None},
        {"Label32", Kind::Label, Style::About, {5520, 3000, 2175, 375}, "طراح و برنامه نويس :", Align::Right, 50, Panel::About, Role::None},
        {"Label33", Kind::Label, Style::About, {3240, 3000, 2295, 375}, std::string(config::kDesignerName), Align::Right, 49, Panel::About, Role::None},
        {"Label34", Kind::Label, Style::About, {5040, 3480, 2655, 375}, "ارتباط با من :", Align::Right, 57, Panel::About, Role::None},
        {"XPButton1", Kind::XpButton, Style::Xp, {3480, 4200, 3855, 855}, emailCaption(), Align::None, 48, Panel::About, Role::None, Role::None, ":/mail.jpg"},
        {"XPButton2", Kind::XpButton, Style::Xp, {3480, 5160, 3855, 855}, mobileCaption(), Align::None, 47, Panel::About, Role::None, Role::None, ":/phone.jpg"},
        {"XPButton3", Kind::XpButton, Style::Xp, {3480, 6120, 3855, 855}, firstAddressCaption(), Align::None, 46, Panel::About, Role::FirstAddress, Role::None, ":/web.jpg"},
        {"XPButton4", Kind::XpButton, Style::Xp, {3480, 7080, 3855, 855}, secondAddressCaption(), Align::None, 58, Panel::About, Role::SecondAddress, Role::None, ":/web.jpg"},
    };
    // clang-format on
}

} // namespace

const std::vector<ControlRow>& catalogue() {
    static const std::vector<ControlRow> table = makeCatalogue();
    return table;
}

const ControlRow& rowOf(Role role) {
    for (const ControlRow& row : catalogue()) {
        if (row.role == role) {
            return row;
        }
    }
    std::abort(); // every role names one control of the table
}

} // namespace classifier
