#pragma once
// What the screens outside the town view share: the menu backdrop and banner, the standard menu
// button with its entry and hover counters, the return rule and centred labels.
#include <cstdint>

#include "framework/zeichnen.h"

// One standard menu button: its counter slot in MenueZaehler, the top-left corner of its 225 x 34
// image and its hit box (bounds included).
struct MenueKnopf {
    int slot;
    float bx, by;
    int x0, x1, y0, y1;
    bool klang;  // plays the click when the pointer comes onto it
};

// The menu backdrop, the first drawing step of every menu screen: normal pointer, 2D mode, the
// full-screen backdrop picture.
void ZeigeLadebildschirm();
// The banner strip at the bottom of the menu screens.
void ZeichneBanner();

// Entry step and plain image of every button of a screen, in the screen's order.
void MenueKnoepfeZeichnen(const MenueKnopf* knoepfe, int anzahl);
// Hover test, highlight, action, click sound and counter step of one button. Called for each button
// in order after MenueKnoepfeZeichnen; the action runs when the button is hovered while the left
// button is down (the press is consumed first).
void MenueKnopfTesten(const MenueKnopf& knopf, void (*aktion)());

// The five button counters to 0; with the page offset too when alle is set.
void MenueZaehlerNullen(bool alle);

// A screen's back or leave action: to the town view when the menus were opened from it, else to
// the main menu; MenueAusStadt is cleared.
void ZurueckAusMenue();

// Sliders of the page screens (options, new game). The left button held with the pointer in
// [x0, x1] x [y0, y1] moves the value every frame; the press is not consumed, so dragging goes on.
bool SchieberGezogen(int x0, int x1, int y0, int y1);
// The raw value of a slider whose input range starts at x0: 10 x (MausX - x0), at most 3050.
int SchieberWert(int x0);
// A three-position slider's value from the raw value: 0 up to 1016, 1 up to 2032, else 2.
int DreiStufen(int wert);

// Stops the town's looped rain and wind sounds where they run, so the town frame starts them anew.
void StoppeStadtSchleifen();
