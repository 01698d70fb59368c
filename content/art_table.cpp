// What each level texture shows. Sizes are the ones the screens draw them at; the pictures carry
// no words (the screens write their texts over them in the player's language), only symbols.
#include "content/art.h"

namespace content {

namespace {

using K = ArtKind;
using namespace art;

std::vector<ArtEntry> Build() {
    std::vector<ArtEntry> t = {
        // Fills, bars and effect sprites.
        {0, 64, 64, K::Fill, 0xD0101418, "", 0, 0, 0, "dark see-through fill: panel bodies, blank pause, selection box, tooltip backing, town cell"},
        {1, 64, 64, K::Sprite, 0xFFFFA020, "", kFlame, 0, 0, "flame, muzzle flash, hit sign"},
        {9, 16, 16, K::Bar, 0xFF3FA040, "", 0, 0, 0, "bar fill: health, progress, day light, tooltip strip"},
        {19, 32, 8, K::Bar, 0xFF301010, "", 0, 0, 0, "health bar backing"},
        {17, 128, 128, K::Sprite, 0xB0E0E0D8, "", kFog, 0, 0, "fog and dust puff"},
        {20, 256, 256, K::Sprite, 0xC0FFFFFF, "", kCloud, 0, 0, "cloud"},
        {31, 128, 128, K::Sprite, 0xC0606060, "", kSmoke, 0, 0, "smoke"},
        {124, 8, 64, K::Bar, 0xFF3070E0, "", 0, 0, 0, "water bar"},
        {132, 32, 32, K::Fill, 0xFF000000, "", 0, 0, 0, "shadow caster"},
        {133, 64, 64, K::Picture, 0x80FFFFFF, "", kEditorGrid, 0, 0, "editor grid over a floor tile"},
        {135, 128, 128, K::Sprite, 0xFF40E040, "", kRingSprite, 0, 0, "move marker ring"},
        {136, 32, 64, K::Bar, 0xFFB0D020, "", 1, 0, 0, "contamination gauge"},
        {137, 64, 64, K::Sprite, 0xC0C0E0FF, "", kRingSprite, 0, 0, "rain splash ring"},
        {138, 256, 256, K::Sprite, 0x50101820, "", kCloud, 0, 0, "cloud shadow on the ground"},
        {208, 256, 256, K::Sprite, 0xFF3C8C30, "", kTufts, 0, 0, "detail set: grass"},
        {209, 256, 256, K::Sprite, 0xFF4C9C38, "", kTufts, 0, 0, "detail set: grass"},
        {210, 256, 256, K::Sprite, 0xFF5CA040, "", kTufts, 0, 0, "detail set: grass"},
        {211, 256, 256, K::Sprite, 0xFF2C7C28, "", kTufts, 0, 0, "detail set: grass"},
        {226, 256, 256, K::Sprite, 0xFFB0A050, "", kTufts, 0, 0, "detail set: dry grass"},
        {227, 256, 256, K::Sprite, 0xFFC0B060, "", kTufts, 0, 0, "detail set: dry grass"},
        {228, 256, 256, K::Sprite, 0xFFA09040, "", kTufts, 0, 0, "detail set: dry grass"},
        {229, 256, 256, K::Sprite, 0xFFD0C070, "", kTufts, 0, 0, "detail set: dry grass"},
        {230, 256, 256, K::Sprite, 0xFF909090, "", kTufts, 1, 0, "detail set: pebbles"},
        {231, 256, 256, K::Sprite, 0xFF808078, "", kTufts, 1, 0, "detail set: pebbles"},
        {232, 256, 256, K::Sprite, 0xFFA0A098, "", kTufts, 1, 0, "detail set: pebbles"},
        {233, 256, 256, K::Sprite, 0xFF707068, "", kTufts, 1, 0, "detail set: pebbles"},
        {237, 256, 256, K::Sprite, 0xFF6A5030, "", kTufts, 1, 0, "detail set: clods"},
        {238, 256, 256, K::Sprite, 0xFF7A6040, "", kTufts, 1, 0, "detail set: clods"},
        {239, 256, 256, K::Sprite, 0xFF5A4020, "", kTufts, 1, 0, "detail set: clods"},
        {240, 256, 256, K::Sprite, 0xFF8A7050, "", kTufts, 1, 0, "detail set: clods"},
        {241, 256, 256, K::Sprite, 0xFF1C5C20, "", kTufts, 0, 0, "detail set: dark grass"},
        {242, 256, 256, K::Sprite, 0xFF246C24, "", kTufts, 0, 0, "detail set: dark grass"},
        {243, 256, 256, K::Sprite, 0xFF145418, "", kTufts, 0, 0, "detail set: dark grass"},
        {244, 256, 256, K::Sprite, 0xFF2C6428, "", kTufts, 0, 0, "detail set: dark grass"},

        // Skins and clothing of the figures, worn items.
        {12, 128, 128, K::Material, 0xFF7A6A50, "", kCloth, 0, 0, "figure variant 0: khaki"},
        {103, 128, 128, K::Material, 0xFF4A5A70, "", kCloth, 0, 0, "figure variant 1: blue-grey"},
        {104, 128, 128, K::Material, 0xFF6A4030, "", kCloth, 0, 0, "figure variant 2: brown"},
        {214, 128, 128, K::Material, 0xFF505A40, "", kCloth, 0, 0, "figure variant 3: olive"},
        {215, 128, 128, K::Material, 0xFF803030, "", kCloth, 0, 0, "figure variant 4: red"},
        {216, 128, 128, K::Material, 0xFF404048, "", kCloth, 0, 0, "figure variant 5: charcoal"},
        {217, 128, 128, K::Material, 0xFF8A7A60, "", kCloth, 0, 0, "figure variant 6: sand"},
        {218, 128, 128, K::Material, 0xFF305A5A, "", kCloth, 0, 0, "figure variant 7: teal"},
        {219, 128, 128, K::Material, 0xFF6A5A7A, "", kCloth, 0, 0, "figure variant 8: violet"},
        {220, 128, 128, K::Material, 0xFF9A9080, "", kCloth, 0, 0, "figure variant 9: grey"},
        {253, 128, 128, K::Material, 0xFF2A2A2A, "", kCloth, 0, 0, "figure variant 10: black (torso and legs)"},
        {13, 128, 128, K::Material, 0xFF8A8060, "", kVest, 0, 0, "civil protective vest"},
        {14, 128, 128, K::Material, 0xFF283860, "", kVest, 0, 0, "police vest"},
        {18, 128, 128, K::Material, 0xFF56603C, "", kCamo, 0, 0, "militia camouflage"},
        {191, 128, 128, K::Material, 0xFFD0B020, "", kRubber, 0, 0, "protective suit, yellow rubber"},
        {130, 64, 64, K::Material, 0xFF505A40, "", kMetal, 0, 0, "steel helmet"},
        {246, 64, 64, K::Material, 0xFF202840, "", kMetal, 0, 0, "police helmet"},
        {131, 64, 64, K::Material, 0xFF101010, "", kGlass, 0, 0, "sunglasses"},
        {221, 64, 64, K::Material, 0xFF303030, "", kRubber, 0, 0, "gas mask"},
        {213, 64, 64, K::Material, 0xFFC0C8D0, "", kBlade, 0, 0, "knife"},
        {264, 64, 64, K::Material, 0xFF303034, "", kGun, 0, 0, "pistol"},
        {268, 64, 64, K::Material, 0xFF383838, "", kGun, 1, 0, "rifle, metal and wood"},

        // The left column of the HUD and the member page.
        {8, 128, 128, K::Sheet, 0, "", kLeftColumn, 0, 0, "left column, backpack top"},
        {7, 128, 128, K::Sheet, 0, "", kLeftColumn, 0, 128, "left column, backpack"},
        {6, 128, 128, K::Sheet, 0, "", kLeftColumn, 0, 256, "left column, hand and ammunition"},
        {2, 128, 128, K::Sheet, 0, "", kLeftColumn, 0, 384, "left column, command grid"},
        {3, 256, 256, K::Picture, 0xFF3A3C40, "", kMemberPage, 0, 0, "member page"},
        {5, 128, 128, K::Picture, 0xFF9098A0, "", kSlotFrame, 0, 0, "squad slot frame"},
        {134, 128, 128, K::Picture, 0xFFFFD040, "", kSlotFrame, 0, 0, "active squad slot"},
        {10, 128, 128, K::Picture, 0xFF2A2C30, "", kPlate, 0, 0, "dark plate: slot plate, health track, portrait strips"},
        {270, 1024, 128, K::Picture, 0xFF3A3C40, "", kTopBar, 0, 0, "top bar"},
        {236, 256, 32, K::Picture, 0xFF2A2C30, "", kSunkenField, 0, 0, "day counter plate"},

        // Command buttons: lit while chosen, the grey one where a command is not available.
        {35, 32, 32, K::Icon, 0xFF40A0E0, "➜", kLit, 0, 0, "move chosen"},
        {36, 32, 32, K::Icon, 0xFF40A0E0, "☺", kLit, 0, 0, "talk chosen"},
        {37, 32, 32, K::Icon, 0xFFE04030, "⚔", kLit, 0, 0, "attack chosen"},
        {38, 32, 32, K::Icon, 0xFF40C040, "✚", kLit, 0, 0, "heal chosen"},
        {39, 32, 32, K::Icon, 0xFFE0A030, "⚒", kLit, 0, 0, "crafting chosen"},
        {40, 32, 32, K::Icon, 0xFF40A0E0, "⌂", kLit, 0, 0, "garrison held"},
        {45, 32, 32, K::Icon, 0xFF505050, "", kDisabled, 0, 0, "button not available"},
        {47, 32, 32, K::Icon, 0xFF40A0E0, "☸", kLit, 0, 0, "travel chosen"},
        {48, 32, 32, K::Icon, 0xFF40A0E0, "☰", kLit, 0, 0, "game menu chosen"},
        {74, 32, 32, K::Icon, 0xFF40A0E0, "⚖", kLit, 0, 0, "town stock chosen"},
        {250, 32, 32, K::Icon, 0xFF806040, "☸", kDisabled, 0, 0, "travel at a special location"},
        {251, 32, 32, K::Icon, 0xFFE0A030, "☸", kLit, 0, 0, "travel chosen at a special location"},
        {127, 64, 32, K::Icon, 0xFF40A0E0, "⚙", kLit, 0, 0, "equipment button held"},

        // Member page and HUD symbols.
        {43, 32, 32, K::Icon, 0xFFC04030, "⚔", kRaised, 0, 0, "squad type 1: mercenary"},
        {44, 32, 32, K::Icon, 0xFFC09030, "⚙", kRaised, 0, 0, "squad type 2: technician"},
        {46, 32, 32, K::Icon, 0xFF40A040, "✚", kRaised, 0, 0, "squad type 3: doctor"},
        {249, 32, 32, K::Icon, 0xFF70A030, "➶", kRaised, 0, 0, "squad type 4: hunter"},
        {256, 32, 32, K::Icon, 0xFF8070C0, "✿", kRaised, 0, 0, "squad type 5: collector"},
        {109, 32, 32, K::Picture, 0xFFC04030, "", kPortrait, 0, 0, "portrait, mercenary"},
        {113, 32, 32, K::Picture, 0xFFC09030, "", kPortrait, 1, 0, "portrait, technician"},
        {114, 32, 32, K::Picture, 0xFF40A040, "", kPortrait, 2, 0, "portrait, doctor"},
        {248, 32, 32, K::Picture, 0xFF70A030, "", kPortrait, 3, 0, "portrait, hunter"},
        {255, 32, 32, K::Picture, 0xFF8070C0, "", kPortrait, 4, 0, "portrait, collector"},
        {261, 64, 64, K::Picture, 0xFF5A6070, "", kPortrait, 5, 0, "instructor portrait"},
        {262, 64, 64, K::Picture, 0xFF705040, "", kPortrait, 6, 0, "recruiter portrait"},
        {245, 64, 64, K::Picture, 0xFF404040, "☠", kDead, 0, 0, "dead member; picture of the camera sequence"},
        {115, 28, 28, K::Icon, 0xFFB0C020, "☢", kBare, 0, 0, "protection"},
        {175, 26, 26, K::Icon, 0xFF8090A0, "◆", kBare, 0, 0, "armour"},
        {15, 16, 16, K::Icon, 0xFFFFD040, "★", kBare, 0, 0, "full star"},
        {16, 16, 16, K::Icon, 0xFFFFD040, "★", kBare, 1, 0, "half star"},
        {201, 32, 32, K::Icon, 0xFFFFD040, "⚠", kBare, 0, 0, "message line"},
        {202, 16, 16, K::Icon, 0xFFC0C0C0, "●", kBare, 0, 0, "activity: idle"},
        {203, 16, 16, K::Icon, 0xFFE04030, "⚔", kBare, 0, 0, "activity: attack"},
        {204, 16, 16, K::Icon, 0xFF80C0FF, "›", kBare, 0, 0, "activity: walk"},
        {205, 16, 16, K::Icon, 0xFF40E040, "✚", kBare, 0, 0, "activity: heal"},
        {206, 16, 16, K::Icon, 0xFFFFD040, "…", kBare, 0, 0, "activity: state 6"},
        {207, 16, 16, K::Icon, 0xFF80C0FF, "»", kBare, 0, 0, "activity: run"},
        {234, 32, 32, K::Icon, 0xFF8090A0, "▶", kRaised, 0, 0, "short skip of time"},
        {235, 32, 32, K::Icon, 0xFFFFD040, "▶", kLit, 0, 0, "short skip, hovered"},
        {188, 32, 32, K::Icon, 0xFF8090A0, "»", kRaised, 0, 0, "long skip of time"},
        {189, 32, 32, K::Icon, 0xFFFFD040, "»", kLit, 0, 0, "long skip, hovered"},
        {32, 64, 64, K::Flag, 0xFFC02020, "", 0, 0, 0, "owner flag: enemy"},
        {33, 64, 64, K::Flag, 0xFF2080E0, "", 0, 0, 0, "owner flag: player"},
        {34, 64, 64, K::Flag, 0xFFB0B0B0, "", 0, 0, 0, "owner flag: neutral"},

        // Badges over figures and on the world map.
        {176, 16, 16, K::Badge, 0xFFC09050, "▣", 0, 0, 0, "item on the floor"},
        {177, 16, 16, K::Badge, 0xFFC04030, "⚔", 0, 0, 0, "type: fighter"},
        {178, 16, 16, K::Badge, 0xFFC09030, "⚙", 0, 0, 0, "type: technician"},
        {179, 16, 16, K::Badge, 0xFF40A040, "✚", 0, 0, 0, "type: doctor"},
        {181, 16, 16, K::Badge, 0xFFD0B030, "$", 0, 0, 0, "type: trader"},
        {247, 16, 16, K::Badge, 0xFF70A030, "➶", 0, 0, 0, "type: hunter"},
        {254, 16, 16, K::Badge, 0xFF8070C0, "✿", 0, 0, 0, "type: collector"},
        {180, 16, 16, K::Badge, 0xFFFFC020, "★", 0, 0, 0, "own character; garrison pip"},
        {182, 16, 16, K::Badge, 0xFF30B030, "●", 0, 0, 0, "squad member"},
        {183, 16, 16, K::Badge, 0xFF3070E0, "⌂", 0, 0, 0, "stationed squad member"},
        {184, 16, 16, K::Badge, 0xFFD02020, "☠", 0, 0, 0, "hostile; hostile pip"},
        {102, 16, 16, K::Icon, 0xFFFFD040, "☀", kBare, 0, 0, "day icon of the route"},
        {185, 64, 64, K::Icon, 0xFFFFD040, "⚑", kBare, 0, 0, "route end"},
        {186, 64, 64, K::Icon, 0xFFFFE080, "•", kBare, 0, 0, "route cell"},
        {187, 64, 64, K::Badge, 0xFF30B030, "☺", 1, 0, 0, "the party"},
        {198, 64, 64, K::Badge, 0xFFD02020, "☠", 1, 0, 0, "the enemy army"},
        {222, 24, 24, K::Badge, 0xFFC09050, "▣", 0, 0, 0, "entrance: container"},
        {223, 24, 24, K::Badge, 0xFF3070E0, "≈", 0, 0, 0, "entrance: well"},
        {224, 24, 24, K::Badge, 0xFFD0B030, "$", 0, 0, 0, "entrance: trader"},
        {225, 24, 24, K::Badge, 0xFF40A040, "✚", 0, 0, 0, "entrance: doctor"},
        {263, 24, 24, K::Badge, 0xFFB05040, "★", 0, 0, 0, "entrance: recruiter"},
        {194, 64, 64, K::Badge, 0xFF3070E0, "☕", 0, 0, 0, "entrance: drink (drawn 48 x 48) and drink unit (64 x 64): painted at the larger size"},
        {193, 64, 64, K::Icon, 0xFFC08040, "●", kBare, 2, 0, "food unit, small in the middle: the scenes overlap them in a row"},
        {196, 64, 64, K::Icon, 0xFF40E040, "✚", kBare, 2, 0, "health unit, small in the middle"},

        // Town stock rows.
        {108, 64, 64, K::Icon, 0xFF8A7050, "○", kBare, 0, 0, "food plate"},
        {110, 64, 64, K::Icon, 0xFF806050, "⊗", kBare, 0, 0, "food plate taken by the garrison"},
        {111, 64, 64, K::Icon, 0xFF4070A0, "○", kBare, 0, 0, "water place"},
        {112, 64, 64, K::Icon, 0xFF405070, "⊗", kBare, 0, 0, "water taken by the garrison"},

        // Panels.
        {106, 256, 256, K::Picture, 0xFF3A4038, "⚖", kSideBody, 0, 0, "town stock panel, lower part"},
        {107, 256, 128, K::Picture, 0xFF3A4038, "⚖", kSideTop, 0, 0, "town stock panel, upper part"},
        {128, 256, 256, K::Picture, 0xFF383C48, "⚙", kSideBody, 0, 0, "equipment panel, lower part"},
        {129, 256, 128, K::Picture, 0xFF383C48, "⚙", kSideTop, 0, 0, "equipment panel, upper part"},
        {142, 256, 256, K::Picture, 0xFF483C30, "⚒", kSideBody, 1, 0, "crafting panel, lower part"},
        {143, 256, 128, K::Picture, 0xFF483C30, "⚒", kSideTop, 0, 0, "crafting panel, upper part"},
        {165, 256, 256, K::Picture, 0xFF3A3C40, "☰", kSideBody, 2, 0, "game menu, lower part"},
        {166, 256, 128, K::Picture, 0xFF3A3C40, "☰", kSideTop, 0, 0, "game menu, upper part"},
        {144, 64, 64, K::Icon, 0xFFFFD040, "◀", kBare, 0, 0, "recipe scroll left, hovered"},
        {145, 64, 64, K::Icon, 0xFFFFD040, "▶", kBare, 0, 0, "recipe scroll right, hovered"},
        {146, 128, 128, K::Picture, 0xFFFFD040, "⚒", kHotspot, 36, 25, "craft button, hovered"},
        {139, 512, 512, K::Picture, 0xFF3A3C40, "", kTalkPanel, 0, 0, "conversation panel"},
        {140, 512, 512, K::Picture, 0xFF40382C, "", kTalkPanel, 1, 0, "trade panel"},
        {141, 128, 128, K::Picture, 0xFF30C030, "✔", kDeal, 0, 0, "the deal is fair"},
        {151, 128, 128, K::Picture, 0xFFC0A060, "", kOfferSlot, 0, 0, "offer slot of the recruit"},
        {192, 512, 512, K::Picture, 0xFF304050, "☕", kTalkPanel, 2, 0, "drink scene panel"},
        {195, 512, 512, K::Picture, 0xFF304830, "✚", kTalkPanel, 2, 0, "doctor scene panel"},
        {197, 512, 512, K::Picture, 0xFF483828, "●", kTalkPanel, 2, 0, "eat scene panel"},
        {199, 256, 256, K::Panel, 0xFF402828, "", 0, 0, 0, "raid battle panel, lower part"},
        {200, 256, 128, K::Panel, 0xFF402828, "⚔", 1, 0, 0, "raid battle panel, upper part"},

        // Container window and the well.
        {116, 256, 256, K::Sheet, 0, "", kContainer, 0, 0, "container window"},
        {117, 256, 256, K::Sheet, 0, "", kContainer, 256, 0, "container window"},
        {119, 256, 256, K::Sheet, 0, "", kContainer, 0, 256, "container window"},
        {120, 256, 256, K::Sheet, 0, "", kContainer, 256, 256, "container window"},
        {118, 256, 256, K::Sheet, 0, "", kContainer, 512, 0, "container window, right column"},
        {121, 256, 256, K::Sheet, 0, "", kContainer, 512, 256, "container window, right column with its close button"},
        {122, 256, 256, K::Sheet, 0, "", kWellColumn, 0, 0, "well, right column"},
        {123, 256, 256, K::Sheet, 0, "", kWellColumn, 0, 256, "well, right column with water and close buttons"},
        {125, 64, 64, K::Picture, 0xFF60B0FF, "≈", kHotspot, 6, 10, "water button, hovered"},
        {126, 128, 128, K::Picture, 0xFFFFD040, "✔", kHotspot, 18, 44, "close button, hovered"},
        {154, 1024, 606, K::Picture, 0xFF7090C0, "", kSky, 0, 0, "well: sky"},
        {153, 1024, 256, K::Picture, 0xFF8A7A60, "", kHillsFar, 0, 0, "well: far hills"},
        {152, 1024, 256, K::Picture, 0xFF5A5030, "", kHillsNear, 0, 0, "well: near hills"},
        {149, 1024, 606, K::Picture, 0xFF707070, "", kWellFront, 0, 0, "well: stone rim in front"},

        // Front end.
        {41, 1024, 768, K::Picture, 0xFF404850, "", kLoading, 0, 0, "loading picture"},
        {258, 1024, 768, K::Picture, 0xFF303840, "", kMenuBackdrop, 0, 0, "menu backdrop"},
        {150, 797, 184, K::Picture, 0xFFE0B050, "Velquor Kerrowind", kLogo, 0, 0, "logo"},
        {148, 478, 54, K::Picture, 0xFF5A4030, "", kBanner, 0, 0, "banner strip"},
        {212, 128, 128, K::Picture, 0xFF405060, "", kCredits, 0, 0, "credits picture"},
        {147, 225, 34, K::Button, 0xFF505860, "", 0, 0, 0, "menu button"},
        {173, 225, 34, K::Button, 0xFF6A3018, "", 1, 0, 0, "menu button, hovered"},
        {252, 288, 52, K::Picture, 0xFF5A4030, "", kTitlePlate, 0, 0, "page title plate"},
        {190, 256, 64, K::Picture, 0xFF5A4030, "", kTitlePlate, 0, 0, "world map title plate"},
        {174, 248, 265, K::Picture, 0xFF5A4030, "", kTitlePlate, 0, 0, "frame behind the new game's figure preview"},
        {160, 512, 32, K::Picture, 0xFF2A2C30, "", kSunkenField, 1, 0, "slider bar"},
        {161, 32, 32, K::Picture, 0xFFC0A060, "", kKnob, 0, 0, "slider knob"},
        {162, 32, 32, K::Picture, 0xFF2A2C30, "", kCheckBox, 0, 0, "check box"},
        {163, 32, 32, K::Icon, 0xFF40E040, "✔", kBare, 0, 0, "tick"},
        {164, 256, 32, K::Picture, 0xFF202226, "", kSunkenField, 2, 0, "text field; frame of the loading bar"},
        {260, 215, 22, K::Picture, 0xFF202226, "", kSunkenField, 2, 0, "frame of the progress bar"},
        {257, 64, 24, K::Button, 0xFF505860, "◀", 0, 0, 0, "hint panel: page back"},
        {269, 128, 128, K::Picture, 0xFF505860, "", kHotspot, 20, 0, "button plate under a panel's close text"},

        // World map.
        {100, 128, 128, K::Picture, 0xFFB08030, "◀", kHotspot, 37, 40, "return button held down"},
        {68, 256, 256, K::Sheet, 0, "", kMapSide, 0, 0, "world map side panel"},
        {69, 256, 256, K::Sheet, 0, "", kMapSide, 0, 256, "world map side panel"},
        {70, 256, 256, K::Sheet, 0, "", kMapSide, 0, 512, "world map side panel with the return button"},
        {259, 1024, 768, K::Picture, 0xFFFFFFFF, "", kMapShadow, 0, 0, "moving cloud shadows over the map"},
        {267, 256, 256, K::Picture, 0xFF6A6048, "", kHorizon, 0, 0, "surroundings beyond the town"},

        // Editor tools.
        {22, 32, 32, K::Icon, 0xFF8090A0, "▦", kRaised, 0, 0, "editor: floor"},
        {26, 32, 32, K::Icon, 0xFF8090A0, "⌂", kRaised, 0, 0, "editor: objects"},
        {24, 32, 32, K::Icon, 0xFF8090A0, "♣", kRaised, 0, 0, "editor: plants"},
        {23, 32, 32, K::Icon, 0xFF8090A0, "✖", kRaised, 0, 0, "editor: blocked cells"},
        {29, 32, 32, K::Icon, 0xFF8090A0, "⚑", kRaised, 0, 0, "editor: entrances"},
        {30, 32, 32, K::Icon, 0xFF8090A0, "♪", kRaised, 0, 0, "editor: sounds"},
        {167, 32, 32, K::Icon, 0xFF8090A0, "☺", kRaised, 0, 0, "editor: figures"},
        {168, 32, 32, K::Icon, 0xFF8090A0, "▣", kRaised, 0, 0, "editor: containers"},
        {171, 32, 32, K::Icon, 0xFF8090A0, "✿", kRaised, 0, 0, "editor: fill with plants"},
        {25, 32, 32, K::Icon, 0xFF8090A0, "⇩", kRaised, 0, 0, "editor: load"},
        {28, 32, 32, K::Icon, 0xFF8090A0, "⇧", kRaised, 0, 0, "editor: save"},
        {27, 32, 32, K::Icon, 0xFF8090A0, "↻", kRaised, 0, 0, "editor: rotation step"},
        {169, 32, 32, K::Icon, 0xFF40A0E0, "♪", kBare, 0, 0, "editor: cell marker, a sound"},
        {170, 32, 32, K::Icon, 0xFF40C040, "✿", kBare, 0, 0, "editor: cell marker, plants may grow"},
    };
    // Frame tiles of the panels and the world map border: 51 upper corner, 57 lower corner, 52-56
    // left edge, 58-62 upper edge, 63-67 lower edge, 71-73 ornaments.
    t.push_back({51, 32, 32, K::Frame, 0xFF6A6250, "", kCorner, 0, 0, "upper corner"});
    t.push_back({57, 32, 32, K::Frame, 0xFF6A6250, "", kCorner, 1, 0, "lower corner"});
    for (int i = 52; i <= 56; ++i) t.push_back({i, 32, 32, K::Frame, 0xFF6A6250, "", kVertical, i - 52, 0, "side edge"});
    for (int i = 58; i <= 62; ++i) t.push_back({i, 32, 32, K::Frame, 0xFF6A6250, "", kHorizontal, i - 58, 0, "upper edge"});
    for (int i = 63; i <= 67; ++i) t.push_back({i, 32, 32, K::Frame, 0xFF6A6250, "", kHorizontal, i - 63, 1, "lower edge"});
    t.push_back({71, 32, 32, K::Frame, 0xFF6A6250, "", kOrnament, 0, 0, "left edge ornament"});
    t.push_back({72, 32, 32, K::Frame, 0xFF6A6250, "", kOrnament, 1, 0, "upper edge ornament"});
    t.push_back({73, 32, 32, K::Frame, 0xFF6A6250, "", kOrnament, 1, 1, "lower edge ornament"});
    // The world map backdrop: 5 x 5 tiles of one painted map.
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            t.push_back({75 + c + 5 * r, 256, 256, K::Sheet, 0, "", kWorldMap, 256 * c, 256 * r, "world map tile"});
    return t;
}

}  // namespace

const std::vector<ArtEntry>& ArtTable() {
    static const std::vector<ArtEntry> table = Build();
    return table;
}

std::string ArtFileName(int index) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "ui_%03d.png", index);
    return buf;
}

}  // namespace content
