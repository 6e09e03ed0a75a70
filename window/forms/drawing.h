#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace forms {

struct Point {
    int X = 0;
    int Y = 0;

    constexpr Point() = default;
    constexpr Point(int x, int y) : X(x), Y(y) {}
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int Width = 0;
    int Height = 0;

    constexpr Size() = default;
    constexpr Size(int width, int height) : Width(width), Height(height) {}
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct SizeF {
    float Width = 0;
    float Height = 0;

    constexpr SizeF() = default;
    constexpr SizeF(float width, float height) : Width(width), Height(height) {}
    friend constexpr bool operator==(const SizeF&, const SizeF&) = default;
};

// Space around a control, left, top, right, bottom.
struct Padding {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr Padding() = default;
    constexpr explicit Padding(int all) : Left(all), Top(all), Right(all), Bottom(all) {}
    constexpr Padding(int left, int top, int right, int bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom) {}
    friend constexpr bool operator==(const Padding&, const Padding&) = default;
};

// The desktop palette's colours; they follow the user's colour scheme and are
// looked up when a control is painted with them.
enum class SystemColor : std::uint8_t {
    None,
    Info,               // background of tool tips
    ActiveCaptionText,  // text in the title bar of the active window
};

// An RGB colour with alpha, or a system colour resolved when it is used.
// The default value is Empty: "not set, use what the platform gives".
class Color {
public:
    constexpr Color() = default;

    static constexpr Color FromArgb(int red, int green, int blue) {
        return FromArgb(255, red, green, blue);
    }
    static constexpr Color FromArgb(int alpha, int red, int green, int blue) {
        return Color(channel(alpha), channel(red), channel(green), channel(blue), SystemColor::None);
    }
    static constexpr Color FromSystemColor(SystemColor role) { return Color(255, 0, 0, 0, role); }

    static const Color Empty;
    static const Color Indigo;
    static const Color Lime;
    static const Color MediumPurple;
    static const Color Yellow;

    constexpr bool IsEmpty() const { return empty_; }
    constexpr bool IsSystemColor() const { return role_ != SystemColor::None; }
    constexpr SystemColor Role() const { return role_; }
    constexpr std::uint8_t A() const { return alpha_; }
    constexpr std::uint8_t R() const { return red_; }
    constexpr std::uint8_t G() const { return green_; }
    constexpr std::uint8_t B() const { return blue_; }

    friend constexpr bool operator==(const Color&, const Color&) = default;

private:
    constexpr Color(std::uint8_t alpha, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                    SystemColor role)
        : empty_(false), role_(role), alpha_(alpha), red_(red), green_(green), blue_(blue) {}

    static constexpr std::uint8_t channel(int value) {
        return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
    }

    bool empty_ = true;
    SystemColor role_ = SystemColor::None;
    std::uint8_t alpha_ = 0;
    std::uint8_t red_ = 0;
    std::uint8_t green_ = 0;
    std::uint8_t blue_ = 0;
};

inline constexpr Color Color::Empty{};
inline constexpr Color Color::Indigo = Color::FromArgb(75, 0, 130);
inline constexpr Color Color::Lime = Color::FromArgb(0, 255, 0);
inline constexpr Color Color::MediumPurple = Color::FromArgb(147, 112, 219);
inline constexpr Color Color::Yellow = Color::FromArgb(255, 255, 0);

struct SystemColors {
    static const Color Info;
    static const Color ActiveCaptionText;
};

inline constexpr Color SystemColors::Info = Color::FromSystemColor(SystemColor::Info);
inline constexpr Color SystemColors::ActiveCaptionText =
    Color::FromSystemColor(SystemColor::ActiveCaptionText);

// A window icon, named by where its image lies among the program's
// embedded resources. A default Icon has no image.
class Icon {
public:
    Icon() = default;
    explicit Icon(std::string resourcePath) : resourcePath_(std::move(resourcePath)) {}

    bool IsEmpty() const { return resourcePath_.empty(); }
    const std::string& ResourcePath() const { return resourcePath_; }

private:
    std::string resourcePath_;
};

}  // namespace forms
