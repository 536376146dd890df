#pragma once
// bfButton: a skinned push or toggle button with a caption, an icon, or both, in one of the
// built-in skins (normal, round, green, red, round icon plate) or a custom skin from files.

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>

#include "toolkit/button_skin_files.h"
#include "toolkit/button_state_machine.h"
#include "toolkit/pressable_control.h"
#include "toolkit/skin_names.h"

namespace tockly {

class bfButton : public PressableControl {
public:
    bfButton(HWND parent, WORD id, int width, ButtonStyle style = ButtonStyle::Normal);

    // Toggle buttons only: checked shows the pressed look.
    void SetChecked(bool checked) override;
    // The width keeps both end pieces and one centre column; the height is the skin's. The round
    // icon plate takes the size it is given.
    bool Resize(int width, int height) override;
    void SetEnabled(bool enabled) override;

    void SetStyle(ButtonStyle style);
    // The icon on the round plate (round icon style).
    void SetRoundIcon(RoundIcon icon);
    // Pieces and icons from files (custom style). Without metrics the piece width and the skin
    // height are those of the normal left piece.
    void SetCustomSkin(const ButtonSkinFiles& files,
                       std::optional<skin::PieceSkin> metrics = std::nullopt);
    // Icon files, centred on the button; the disabled and pressed ones are optional. May be called
    // from the widget's worker thread.
    void SetIconFiles(std::u16string_view icon, std::u16string_view disabledIcon = {},
                      std::u16string_view pressedIcon = {});
    // The size the icon is drawn at; 0 x 0 draws it at its own size.
    void SetIconSize(int width, int height);
    // An icon button's text may be its name for screen readers alone: not drawn.
    void SetCaptionShown(bool shown);

    void SetToggleButton(bool toggle);
    void SetNotifyOnPress(bool notify) noexcept { machine_.flags().notifyOnPress = notify; }
    void SetNotifyOnReleaseOutside(bool notify) noexcept {
        machine_.flags().notifyOnReleaseOutside = notify;
    }
    void SetAllowUncheck(bool allow) noexcept { machine_.flags().allowUncheck = allow; }
    void SetPressOnReEntry(bool press) noexcept { machine_.flags().pressOnReEntry = press; }

    ButtonStyle style() const noexcept { return style_; }
    MouseState mouseState() const noexcept { return machine_.state(); }
    const skin::PieceSkin& skinMetrics() const noexcept { return metrics_; }

protected:
    void PaintContent(const PaintContext& paint) override;
    // While the button has the focus: the dotted ring inside its plate.
    void PaintFocus(const PaintContext& paint) const;
    ControlEffects TakeMouse(MouseEvent event, const MouseInput& mouse) override;
    bool LogicChecked() const noexcept override { return machine_.checked(); }

private:
    // Tab moves on; Space and Enter click.
    bool OnKeyDown(const KeyInput& key);

    void LoadSkin();
    void LoadIcons();
    const SkinBitmap* Bitmap(ButtonBitmap which) const noexcept;
    ThreePieceBitmaps PiecesFor(MouseState state) const noexcept;
    const SkinBitmap* IconFor(MouseState state) const noexcept;

    ButtonStyle style_;
    bool captionShown_ = true;
    ButtonStateMachine machine_;
    skin::PieceSkin metrics_{};
    // The round icon style keeps its plate in the two centre slots.
    std::array<SharedBitmap, kButtonBitmapCount> bitmaps_;
    ButtonSkinFiles files_;
    std::optional<skin::PieceSkin> customMetrics_;
    RoundIcon roundIcon_ = RoundIcon::Delete;
    int iconWidth_ = 0;
    int iconHeight_ = 0;
};

}  // namespace tockly
