"""The planted faults of the mutation pass, written down before any is run.

Each mutant is one fault a reviewer would plant: an id, what it means, and its edits, each
(file, exact old text, new text). The old text must occur exactly once in the file when its
edit is applied; edits of one mutant apply in order. A mutant with `survives` set is
expected to outlive the suite, and the text says why.
"""

from dataclasses import dataclass, field


@dataclass(frozen=True)
class Mutant:
    id: str
    means: str
    edits: tuple
    survives: str = field(default="")


GRAPHIC = "src/pages/CGraphicDlg.cpp"
SOUND = "src/pages/CSoundDlg.cpp"
INTERFACE = "src/pages/CInterfaceDlg.cpp"
LAYOUTS = "res/keldra.rc"
PAGE = "src/pages/CSettingsPage.cpp"
SLIDER_VALUE = "src/pages/SliderValue.cpp"
STORED_VALUE = "src/pages/StoredControlValue.cpp"
MAIN = "src/app/CConfigDlg.cpp"
HOVER = "src/skin/CHoverButton.cpp"
SLIDER = "src/skin/CSkinSliderCtrl.cpp"
SLIDER_H = "src/skin/CSkinSliderCtrl.h"
THUMB = "src/skin/SliderThumb.cpp"
SURFACE = "src/skin/SkinnedSurface.cpp"
DEFAULT_INI = "res/CONFIG.INI"

MUTANTS = [
    # --- page layouts -------------------------------------------------------------------
    Mutant("graphic-glow-label-moved", "Graphic: the Glow label one unit right",
           ((LAYOUTS, 'SS_LEFT, 27, 133, 87, 8', 'SS_LEFT, 28, 133, 87, 8'),)),
    Mutant("interface-helmet-cloak-swapped", "Interface: helmet and mantle boxes swap places",
           ((LAYOUTS, 'BS_AUTOCHECKBOX, 155, 139, 98, 10', 'BS_AUTOCHECKBOX, 155, 1620, 98, 10'),
            (LAYOUTS, 'BS_AUTOCHECKBOX, 155, 162, 98, 10', 'BS_AUTOCHECKBOX, 155, 139, 98, 10'),
            (LAYOUTS, 'BS_AUTOCHECKBOX, 155, 1620, 98, 10', 'BS_AUTOCHECKBOX, 155, 162, 98, 10'))),
    Mutant("graphic-high-not-right-aligned", "Graphic: the High label loses SS_RIGHT",
           ((LAYOUTS, 'SS_RIGHT, 103, 165, 32, 8', 'SS_LEFT, 103, 165, 32, 8'),)),
    Mutant("sound-effect-title-not-centred", "Sound: the effect title loses SS_CENTER",
           ((LAYOUTS, 'SS_LEFT | SS_CENTER, 34, 68,', 'SS_LEFT, 34, 68,'),)),
    Mutant("interface-high-not-right-aligned", "Interface: the High label loses WS_EX_RIGHT",
           ((LAYOUTS, '223, 77, 22, 8, WS_EX_RIGHT', '223, 77, 22, 8'),)),
    Mutant("interface-caption-keys-swapped", "Interface: player-name and my-name caption keys swapped",
           ((INTERFACE, 'L"IDC_iPLAYER_NAME", L"Player name"', 'L"IDC_iMY_NAME", L"Player name"'),
            (INTERFACE, 'L"IDC_iMY_NAME", L"My name"', 'L"IDC_iPLAYER_NAME", L"My name"'))),
    Mutant("graphic-caption-key-respelled", "Graphic: the resolution caption key spelled correctly",
           ((GRAPHIC, 'L"IDC_gRESOLUSION"', 'L"IDC_gRESOLUTION"'),)),
    Mutant("sound-npc-voice-moved", "Sound: the NPC voice box one unit right",
           ((LAYOUTS, 'BS_AUTOCHECKBOX, 155, 234, 75, 10', 'BS_AUTOCHECKBOX, 156, 234, 75, 10'),)),
    # --- main window --------------------------------------------------------------------
    Mutant("main-ok-moved", "Main window: OK one pixel right",
           ((MAIN, "m_btnOK.SetSkin(277,", "m_btnOK.SetSkin(278,"),)),
    Mutant("main-ok-cancel-keys-swapped", "Main window: OK and Cancel caption keys swapped",
           ((MAIN, 'LoadCaptionText(L"IDOK", L"OK")', 'LoadCaptionText(L"IDTMP", L"OK")'),
            (MAIN, 'LoadCaptionText(L"IDCANCEL", L"Cancel")', 'LoadCaptionText(L"IDOK", L"Cancel")'),
            (MAIN, 'LoadCaptionText(L"IDTMP", L"OK")', 'LoadCaptionText(L"IDCANCEL", L"OK")'))),
    Mutant("main-ok-no-tabstop", "Main window: the OK button loses WS_TABSTOP",
           ((LAYOUTS, '"OK", IDOK, "Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW',
             '"OK", IDOK, "Button", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW'),)),
    Mutant("main-pages-one-lower", "Main window: every page placed one pixel lower",
           ((MAIN, "constexpr int kPageTop = 86;", "constexpr int kPageTop = 87;"),)),
    # --- check boxes' keys --------------------------------------------------------------
    Mutant("interface-name-keys-swapped", "Interface: USER_NAME and MY_NAME boxes swap keys in the table",
           ((INTERFACE, 'm_bUserName,       kUser,  L"USER_NAME",  ', 'm_bUserName,       kUser,  L"MY_NAME",    '),
            (INTERFACE, 'm_bMyName,         kUser,  L"MY_NAME",    ', 'm_bMyName,         kUser,  L"USER_NAME",  '))),
    Mutant("sound-voice-danger-keys-swapped", "Sound: VOICE_CHAR and DANGER_DETECT boxes swap keys in the table",
           ((SOUND, 'm_bVoiceChar,    kSection, L"VOICE_CHAR",    ', 'm_bVoiceChar,    kSection, L"DANGER_DETECT", '),
            (SOUND, 'm_bDangerDetect, kSection, L"DANGER_DETECT", ', 'm_bDangerDetect, kSection, L"VOICE_CHAR",    '))),
    Mutant("graphic-refusal-keys-swapped", "Graphic: duel and party refusal boxes swap keys in the table",
           ((GRAPHIC, 'm_bRejectFight, kVideo, L"REJECT_FIGHT", ', 'm_bRejectFight, kVideo, L"REJECT_PARTY", '),
            (GRAPHIC, 'm_bRejectParty, kVideo, L"REJECT_PARTY", ', 'm_bRejectParty, kVideo, L"REJECT_FIGHT", '))),
    # --- write order --------------------------------------------------------------------
    Mutant("interface-writes-reversed", "Interface: its keys written in reverse order",
           ((INTERFACE,
             '    UpdateData(TRUE);\n    Table::Save(*this, kRows, save);',
             '    UpdateData(TRUE);\n'
             '    const std::vector<Table::Row> reversed(std::rbegin(kRows), std::rend(kRows));\n'
             '    Table::Save(*this, reversed, save);'),)),
    Mutant("sound-volumes-before-switches", "Sound: the volume rows moved before the switch rows",
           ((SOUND,
             "    Label{IDC_SOUND_ETC_TITLE, {L\"IDC_sETC\", L\"ETC.\"}},\n",
             "    Label{IDC_SOUND_ETC_TITLE, {L\"IDC_sETC\", L\"ETC.\"}},\n#if 0\n"),
            (SOUND,
             "    Label{IDC_SOUND_VOLUME_TITLE,",
             "#endif\n    Label{IDC_SOUND_VOLUME_TITLE,"),
            (SOUND,
             "L\"VOL_WORLD\",  SliderForm::Number, kDefaultVolume},\n",
             "L\"VOL_WORLD\",  SliderForm::Number, kDefaultVolume},\n"
             "    Check{IDC_SOUND_VOICE_CHAR, &CSoundDlg::m_bVoiceChar, kSection, L\"VOICE_CHAR\", 1, {L\"IDC_sCHARACTER_VOICE\", L\"Character voice\"}},\n"
             "    Check{IDC_SOUND_VOICE_NPC, &CSoundDlg::m_bVoiceNpc, kSection, L\"VOICE_NPC\", 1, {L\"IDC_sNPC_VOICE\", L\"NPC voice\"}},\n"
             "    Check{IDC_SOUND_DANGER_DETECT, &CSoundDlg::m_bDangerDetect, kSection, L\"DANGER_DETECT\", 1, {L\"IDC_sDANGER\", L\"Danger preception\"}},\n"))),
    Mutant("graphic-saved-after-sound", "Main window: Graphic saved after Sound",
           ((MAIN, "    m_pGraphicDlg->SaveSettings(save);\n    m_pSoundDlg->SaveSettings(save);",
             "    m_pSoundDlg->SaveSettings(save);\n    m_pGraphicDlg->SaveSettings(save);"),)),
    Mutant("sound-interface-saved-swapped", "Main window: Interface saved before Sound",
           ((MAIN, "    m_pSoundDlg->SaveSettings(save);\n    m_pInterfaceDlg->SaveSettings(save);",
             "    m_pInterfaceDlg->SaveSettings(save);\n    m_pSoundDlg->SaveSettings(save);"),),
           survives="the two pages share no section ([SOUND] against [USER]/[VIDEO]) and a new "
                    "key goes to the end of its own section, so CONFIG.INI comes out byte for "
                    "byte the same: the order is not observable"),
    # --- default file -------------------------------------------------------------------
    Mutant("default-ini-digit", "CONFIG.INI: MINIMAP_POS_X 630 becomes 631 (same length)",
           ((DEFAULT_INI, "MINIMAP_POS_X=630", "MINIMAP_POS_X=631"),)),
    # --- default button -----------------------------------------------------------------
    Mutant("default-resets-visible-page-only", "Default button: only the visible page reset",
           ((MAIN,
             "    m_pGraphicDlg->ResetToDefaults();\n"
             "    m_pSoundDlg->ResetToDefaults();\n"
             "    m_pInterfaceDlg->ResetToDefaults();",
             "    for (CSettingsPage* page : {static_cast<CSettingsPage*>(m_pGraphicDlg.get()),\n"
             "                                static_cast<CSettingsPage*>(m_pSoundDlg.get()),\n"
             "                                static_cast<CSettingsPage*>(m_pInterfaceDlg.get())}) {\n"
             "        if (page->IsWindowVisible()) page->ResetToDefaults();\n"
             "    }"),)),
    Mutant("interface-shadow-in-video", "Interface: SHADOW read and written in [VIDEO], the game's key",
           ((INTERFACE, 'm_bShadow,         kUser,  L"SHADOW"', 'm_bShadow,         kVideo, L"SHADOW"'),)),
    Mutant("graphic-trade-refusal-in-user", "Graphic: REJECT_TRADE read and written in [USER]",
           ((GRAPHIC, 'kVideo, L"REJECT_TRADE"', 'kUser, L"REJECT_TRADE"'),)),
    # --- no-selection guard -------------------------------------------------------------
    Mutant("graphic-no-selection-guard-removed", "Graphic: screen size written with no selection",
           ((STORED_VALUE, "    if (!DisplayModeList::IsValidIndex(index)) return;\n", ""),)),
    # --- values: defaults, ranges, clamps, writes ----------------------------------------
    Mutant("interface-hide-damage-default-on", "Interface: HIDE_DAMAGE defaults to TRUE",
           ((INTERFACE, 'L"HIDE_DAMAGE",      0, ', 'L"HIDE_DAMAGE",      1, '),)),
    Mutant("sound-default-volume-5", "Sound: default volume level 5 instead of 6",
           ((SOUND, "constexpr int kDefaultVolume = 6000;", "constexpr int kDefaultVolume = 5000;"),)),
    Mutant("slider-value-clamp-missed", "Stored numbers: the overflow clamp above dropped",
           ((SLIDER_VALUE, "    if (stored > kHighest) return std::numeric_limits<int>::max();\n", ""),)),
    Mutant("graphic-gamma-write-dropped", "Graphic: GAMMA never written (the brightness row left out of the save)",
           ((GRAPHIC, '    UpdateData(TRUE);\n    Table::Save(*this, kRows, save);',
             '    UpdateData(TRUE);\n'
             '    std::vector<Table::Row> rows(std::begin(kRows), std::end(kRows));\n'
             '    std::erase_if(rows, [](const Table::Row& row) {\n'
             '        const Slider* slider = std::get_if<Slider>(&row);\n'
             '        return slider != nullptr && slider->member == &CGraphicDlg::m_sldBrightness;\n'
             '    });\n'
             '    Table::Save(*this, rows, save);'),)),
    Mutant("graphic-middle-read-as-high", "Graphic: MIDDLE read as HIGH (level word off by one)",
           ((SLIDER_VALUE, 'if (word == L"MIDDLE") return 1;', 'if (word == L"MIDDLE") return 2;'),)),
    Mutant("graphic-glow-range-short", "Graphic: glow and brightness range ends one short",
           ((GRAPHIC, "constexpr int kGlowMaximum = 4100;", "constexpr int kGlowMaximum = 4099;"),)),
    Mutant("interface-sensitivity-range-from-1", "Interface: sensitivity range starts at 1",
           ((INTERFACE, "    Table::SetUp(*this, kRows);\n",
             "    Table::SetUp(*this, kRows);\n"
             "    m_sliderSensitivity.InitRange(1, kSensitivityMaximum, FALSE);\n"),)),
    Mutant("graphic-window-mode-not-opposite", "Graphic: loading FULLSCREEN leaves window mode as it was",
           ((GRAPHIC, "          .opposite = &CGraphicDlg::m_bWindowMode},", "          },"),)),
    Mutant("interface-water-caption-corrected", "Interface: the water box's default text spelled correctly",
           ((INTERFACE, 'L"Water relection"', 'L"Water reflection"'),)),
    # --- skin controls ------------------------------------------------------------------
    Mutant("hover-button-focus-rectangle", "Hover button: a focus rectangle drawn on the focused button",
           ((HOVER, "    DrawCaption(target, client);\n    target.Detach();",
             "    DrawCaption(target, client);\n"
             "    if ((item->itemState & ODS_FOCUS) != 0) {  // a one-pixel frame 3 pixels in\n"
             "        const HBRUSH frame = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));\n"
             "        const RECT edges[] = {{3, 3, client.right - 3, 4},\n"
             "                              {3, client.bottom - 4, client.right - 3, client.bottom - 3},\n"
             "                              {3, 3, 4, client.bottom - 3},\n"
             "                              {client.right - 4, 3, client.right - 3, client.bottom - 3}};\n"
             "        for (const RECT& edge : edges) ::FillRect(item->hDC, &edge, frame);\n"
             "    }\n"
             "    target.Detach();"),)),
    Mutant("slider-swallows-timer", "Skin slider: WM_TIMER handled and dropped",
           ((SLIDER, "ON_WM_KEYUP()\n", "ON_WM_KEYUP()\nON_WM_TIMER()\n"),
            (SLIDER, "void CSkinSliderCtrl::OnKeyUp(UINT, UINT, UINT) {}\n",
             "void CSkinSliderCtrl::OnKeyUp(UINT, UINT, UINT) {}\nvoid CSkinSliderCtrl::OnTimer(UINT_PTR) {}\n"),
            (SLIDER_H, "    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);\n",
             "    afx_msg void OnKeyUp(UINT key, UINT repeat, UINT flags);\n    afx_msg void OnTimer(UINT_PTR id);\n"))),
    Mutant("slider-thumb-stays-while-held", "Skin slider: while held the thumb is drawn where the press found it",
           ((SLIDER, "    const int thumbLeft = keldra::skin::SliderThumbLeft(client.right, position, minimum, maximum);",
             "    static int pressedLeft = 0;\n"
             "    int thumbLeft = keldra::skin::SliderThumbLeft(client.right, position, minimum, maximum);\n"
             "    if (m_bMouseDown) thumbLeft = pressedLeft; else pressedLeft = thumbLeft;"),)),
    Mutant("page-brush-not-deleted", "Pages: the background brush not deleted with the window",
           ((PAGE, "    CDialog::OnDestroy();\n    SkinnedSurface::Destroy(m_brBack);", "    CDialog::OnDestroy();"),)),
    Mutant("region-failure-empties-window", "Skinned surface: no outline makes the window empty",
           ((SURFACE, "    if (outline == nullptr) return;  // the window keeps its full rectangle",
             "    if (outline == nullptr) outline = CreateRectRgn(0, 0, 0, 0);"),)),
    Mutant("slider-no-repaint-on-drag", "Skin slider: a drag does not repaint the thumb",
           ((SLIDER, "    if (m_bMouseDown) Invalidate(TRUE);\n", ""),)),
    Mutant("slider-thumb-bitmap-leaked", "Skin slider: the thumb bitmap never deleted",
           ((SLIDER, "    delete m_pThumb;\n    m_pThumb = nullptr;\n}", "    m_pThumb = nullptr;\n}"),)),
    Mutant("hover-image-never-shown", "Hover button: the hover image never chosen",
           ((HOVER, "    if (m_bHover) return m_bitmapFocus;\n", ""),)),
    Mutant("thumb-right-pull-back-missed", "Slider thumb: the pull-back at the right end missed",
           ((THUMB, "    if (left > clientRight - kRightLimit) left -= kPullBack;\n", ""),)),
]
