// The core's wordings in Persian.
#include "words.h"

namespace classifier {

namespace {

constexpr Wording kPersian[] = {
    {Word::Gravel, "شن"},
    {Word::Sand, "ماسه"},
    {Word::Silt, "لای"},
    {Word::Clay, "رس"},
    {Word::Fines, "ریزدانه"},
    {Word::CoarseGrained, "درشت\u200Cدانه"},
    {Word::FineGrained, "ریزدانه"},
    {Word::WellGradedName, "خوب دانه\u200Cبندی\u200Cشده"},
    {Word::PoorlyGradedName, "بد دانه\u200Cبندی\u200Cشده"},
    {Word::Silty, "لای\u200Cدار"},
    {Word::Clayey, "رس\u200Cدار"},
    {Word::Sandy, "ماسه\u200Cای"},
    {Word::Gravelly, "شنی"},
    {Word::LeanClay, "رس"},
    {Word::FatClay, "رس"},
    {Word::LeanSilt, "لای"},
    {Word::ElasticSilt, "لای"},
    {Word::LowPlasticityWords, "با خاصیت خمیری کم"},
    {Word::HighPlasticityWords, "با خاصیت خمیری زیاد"},
    {Word::With, "همراه با"},
    {Word::NameAnd, "و"},
    {Word::LowPlasticity, "خاصیت خمیری کم"},
    {Word::HighPlasticity, "خاصیت خمیری زیاد"},
    {Word::FinesNameTheSoil, "ذرات ریز نام خاک را تعیین می\u200Cکنند"},
    {Word::GradingNamesTheSoil, "دانه\u200Cبندی نام خاک را تعیین می\u200Cکند"},
    {Word::DualSymbol, "نماد دوگانه، با حرف ذرات ریز و حرف دانه\u200Cبندی"},
    {Word::WellGraded, "خوب دانه\u200Cبندی\u200Cشده"},
    {Word::PoorlyGraded, "بد دانه\u200Cبندی\u200Cشده"},
    {Word::SoilTypeCoarse, "درشت\u200Cدانه"},
    {Word::SoilTypeFine, "ریزدانه"},
    {Word::FineSand, "ماسه ریز"},
    {Word::GranularMaterial, "ماسه و شن یا قلوه سنگ"},
    {Word::SiltyClayeyGranular, "ماسه و شن رس دار و لای دار"},
    {Word::SiltySoil, "خاک لای دار"},
    {Word::ClayeySoil, "خاک رس دار"},
    {Word::ExcellentToGood, "عالی تا خوب"},
    {Word::FairToPoor, "متوسط تا ضعیف"},
    {Word::ZeroIndexNote, "نشانه گروه این نوع خاک برابر صفر است ."},
    {Word::NegativeIndexNote, "نشانه گروه منفی شد برابر صفر می شود ."},
    {Word::GroupIndex, "نشانه گروه "},
    {Word::ShownAsZero, "منفی است و صفر نشان داده می\u200Cشود"},
    {Word::ShownAsItIs, "همان\u200Cطور که هست نشان داده می\u200Cشود"},
    {Word::Passed, "قبول"},
    {Word::Failed, "رد"},
    {Word::WritesZeroIndex, "نشانه گروه صفر نوشته می\u200Cشود"},
    {Word::Group, "گروه "},
    {Word::LastRowPassed, "آخرین ردیف قبول\u200Cشده"},
    {Word::RatingAsSubgrade, "ارزیابی به\u200Cعنوان بستر راه"},
    {Word::NoGroup, "بدون گروه"},
    {Word::NoGroupRow, "هیچ ردیفی این نمونه را نمی\u200Cپذیرد"},
    {Word::ClosestRows, "نزدیک\u200Cترین ردیف\u200Cها"},
    {Word::And, " \u0648 "},
    {Word::Comma, "\u060C "},
    {Word::Semicolon, "\u061B "},
    {Word::LiquidLimitAxis, "حد روانی LL"},
    {Word::PlasticityIndexAxis, "نشانه خمیری PI"},
    {Word::PlasticityChart, "نمودار خمیری"},
    {Word::AashtoChart, "نمودار حد روانی و نشانه خمیری"},
    {Word::NamedByGrading,
     "این نمونه را دانه\u200Cبندی نام\u200Cگذاری می\u200Cکند؛ LL و PI در حروف آن اثری ندارند"},
    {Word::NamedBySieves, "گروه این نمونه را الک\u200Cها تعیین می\u200Cکنند؛ LL و PI به تنهایی "
                          "گروه آن را تعیین نمی\u200Cکنند"},
    {Word::ALine, "خط A"},
    {Word::ULine, "خط U"},
    {Word::HighLiquidLimitLine, "LL = 50"},
    {Word::ClayeyFinesLine, "PI = 7"},
    {Word::A7DividingLine, "PI = LL \u2212 30"},
    {Word::Empty, "خالی است"},
    {Word::NotANumber, "عدد نیست"},
    {Word::Outside0To100, "خارج از بازه 0 تا 100"},
    {Word::Below0, "کمتر از 0"},
    {Word::NoSuchColumn, "چنین ستونی نیست"},
    {Word::NeededForGrading, "با ریزدانه 12 % یا کمتر لازم است"},
    {Word::FieldsWhereHeaderHas, " خانه، در حالی که سطر عنوان "},
    {Word::FieldsEnd, " خانه دارد"},
    {Word::GroupIndexOverflow, "آن\u200Cقدر بزرگ که نشانه گروه از بازه اعداد بیرون می\u200Cرود"},
};
static_assert(isCatalogue(kPersian));

} // namespace

std::string_view inPersian(Word word) {
    return kPersian[static_cast<std::size_t>(word)].text;
}

} // namespace classifier
