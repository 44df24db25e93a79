#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Which column of a lab sheet holds what: found from the header as labs write it ("F200",
// "LL (%)", "Passing No. 200", «درصد عبوری از الک ۲۰۰», «حد روانی»), or named by the user.
namespace classifier::sheet {

// What a column holds: one of the quantities the methods read, or the sample's id.
enum class ColumnRole : std::uint8_t {
    Id,
    P200,
    P4,
    P40,
    P10,
    LL,
    PL,
    PI,
    Cc,
    Cu,
    D10,
    D30,
    D60,
    LLOvenDried,
    Organic,
};
inline constexpr std::size_t kRoleCount = static_cast<std::size_t>(ColumnRole::Organic) + 1;

// The role's own name, as soil-classify's options and messages write it: "p200", "ll", "id".
std::string_view roleName(ColumnRole role);
std::optional<ColumnRole> roleNamed(std::string_view name);
// Some names the role is found under, for messages: "p200, F200, fines, ...".
std::string_view roleExamples(ColumnRole role);
// The role's Persian header, the one a new sheet of the window gets: «حد روانی».
std::string_view persianName(ColumnRole role);

// The header reduced to what tells columns apart: trimmed, in lower case, Persian and Arabic
// letters and digits folded to one form, units in brackets and "%" dropped, punctuation and
// blanks as single blanks, letters apart from digits: "Passing No. 200 (%)" -> "passing no 200".
std::string headerKey(std::string_view header);

// The role a header takes by its name alone, if any.
std::optional<ColumnRole> roleOf(std::string_view header);

// A role given its column by the user: --column p200="Fines %".
struct ColumnChoice {
    ColumnRole role;
    std::string header;
};

// A header the columns cannot be found in, with the reason in one line; and, for a face that
// words it otherwise, what went wrong: the role, and the headers it concerns.
class ColumnError : public std::runtime_error {
public:
    enum class Kind {
        Missing, // no column for the role; headers() are those found
        Twice,   // two columns give the role; headers() are the two
        Other,   // a user's choice that names no column
    };
    explicit ColumnError(const std::string& what, Kind kind = Kind::Other,
                         ColumnRole role = ColumnRole::Id, std::vector<std::string> headers = {})
        : std::runtime_error(what), kind_(kind), role_(role), headers_(std::move(headers)) {}

    Kind kind() const { return kind_; }
    ColumnRole role() const { return role_; }
    const std::vector<std::string>& headers() const { return headers_; }

private:
    Kind kind_;
    ColumnRole role_;
    std::vector<std::string> headers_;
};

// Where each role stands in the header, or nothing.
class Columns {
public:
    // The columns of the header: each user's choice, then every other header by its name. A
    // ColumnError when a choice names no header, or when two headers take one role.
    static Columns find(std::span<const std::string_view> header,
                        std::span<const ColumnChoice> choices = {});

    std::optional<std::size_t> of(ColumnRole role) const {
        return index_[static_cast<std::size_t>(role)];
    }
    // The role of a column, if it has one.
    std::optional<ColumnRole> roleAt(std::size_t column) const;

    // A ColumnError saying that the header has no column for the role: the headers it found and
    // the names the role is found under.
    [[noreturn]] static void missing(ColumnRole role, std::span<const std::string_view> header);

private:
    std::array<std::optional<std::size_t>, kRoleCount> index_{};
};

} // namespace classifier::sheet
