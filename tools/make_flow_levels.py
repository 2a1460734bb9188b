#!/usr/bin/env python3
"""Writes the levels and prefabs of the game's flow: the administration level with the level
transition manager, the blank level, the splash screen, the main menu, the pause menu, the quit
confirmation, the how-to-play page, the credits, the end screen and the attract mode.

    python3 tools/make_flow_levels.py          (from the repository root)

Outputs, all committed:
    Assets/LevelFiles/{admin,blank,splash,introlevel,pause_menu,quit_confirmation,how_to_play,credits,
                       endscreen,auto_play}.json
    Assets/Prefabs/{MenuButton,MenuToggle,MenuToggleMark,MenuPicture,MenuManager,HotKey}.prefab

The view of a space at camera scale 1 is 1920 world units wide and 1080 high, centred on the
camera. Pictures are named in docs/ASSETS.md; a sprite's size in the world is its Transform scale.
Each menu draws on its own pair of layers, so a menu opened over another one covers it:
the main menu on DL_GUI_FRAME/DL_GUI_BUTTON, the pause menu on DL_GUI_PAUSE_*, the quit
confirmation and the how-to-play page on DL_GUI_CONFIRMATION_*. A frame layer draws in no set
order, so it holds only pictures that do not overlap; what lies under a button (a panel) goes on
the button layer, which draws greater y + "yOrderOffset" first. The how-to-play page is a page of
its own: it also lays an opaque cover on DL_GUI_PAUSE_FRAME (free, as the pause menu it may be
opened from hides meanwhile) over whatever is shown beneath, the HUD of a run included.

Menu buttons carry a ClickDetector (mouse) and a MenuInputDetector (keys and pad) beside their
button component; the MenuInputDetector's "transitions" name the neighbours up, right, down, left.
"""
from content import LevelFile, sprite, write_prefabs

BUTTON_SIZE = (384, 72)      # a 128x24 button face, three times over
# A toggle's check mark, in the box at the right end of its face (3 world units a face pixel).
TOGGLE_MARK_AT = (144, 0)
TOGGLE_MARK_SIZE = (48, 48)
SLIDE_SIZE = (1920, 1080)    # a 160x90 slide over the whole view
MENU_MUSIC = "event:/Music/MenuMusic"
# Draw orders on a button layer: a panel first, then the text on it, then the buttons.
PANEL_ORDER = 5000
TEXT_ORDER = 4000

# (frame layer, button layer) of each kind of menu.
MAIN_LAYERS = ("DL_GUI_FRAME", "DL_GUI_BUTTON")
PAUSE_LAYERS = ("DL_GUI_PAUSE_FRAME", "DL_GUI_PAUSE_BUTTON")
CONFIRMATION_LAYERS = ("DL_GUI_CONFIRMATION_FRAME", "DL_GUI_CONFIRMATION_BUTTON")

TOGGLES = (  # object name, button component, picture stem
    ("Fullscreen", "ButtonFullscreen", "fullscreen"),
    ("Music", "ButtonMusic", "music"),
    ("Sound FX", "ButtonSoundFX", "sfx"),
    ("God Mode", "GodModeButton", "god_mode"),
)


def write_menu_prefabs():
    button_collider = {"group": "GUI", "ghost": True, "scale": list(BUTTON_SIZE)}
    write_prefabs({
        # A menu button: its face, the mouse and key detectors, the focus emphasis and the click.
        # The level adds the button component and names the menu and the neighbours.
        "MenuButton": {
            "Transform": {"scale": list(BUTTON_SIZE)},
            "Sprite": sprite("ui_button_start", layer="DL_GUI_BUTTON"),
            "RectangleCollider": button_collider,
            "ClickDetector": None,
            "MenuInputDetector": None,
            "ButtonAnimator": None,
            "ClickSound": None,
        },
        # An on/off button: its face shows focus as every button's does (without growing, so that
        # its box stays round the mark), and the toggle animator shows the state on the check mark
        # the level puts in the box as the button's child (TOGGLE_MARK).
        "MenuToggle": {
            "Transform": None,
            "Sprite": sprite("ui_toggle_music", BUTTON_SIZE, layer="DL_GUI_BUTTON"),
            "RectangleCollider": button_collider,
            "ClickDetector": None,
            "MenuInputDetector": None,
            "ButtonAnimator": {"smallEmph": 1.0},
            "ToggleButtonAnimator": {"smallEmphScale": [1, 1], "largEmphScale": [2, 2],
                                     "swipeOffset": [0, 0], "animationTime": 0.2},
            "ClickSound": None,
        },
        "MenuToggleMark": {
            "Transform": {"scale": list(TOGGLE_MARK_SIZE)},
            "Sprite": sprite("ui_toggle_check", layer="DL_GUI_BUTTON", color=[1, 1, 1, 0], yOrderOffset=-1.0),
        },
        "MenuPicture": {
            "Transform": None,
            "Sprite": sprite("ui_panel", layer="DL_GUI_FRAME"),
        },
        "MenuManager": {
            "Transform": None,
            "MenuInputManager": None,
        },
        # An invisible button worked by an input action (the level adds the detector and the button).
        "HotKey": {
            "Transform": None,
        },
    })


class Level(LevelFile):
    """A level file that knows its name and the menus' pieces."""
    def __init__(self, name):
        super().__init__()
        self.name = name

    def add(self, name, prefab, position=(0, 0), components=None, scale=None):
        record = {type_name: dict(members or {}) for type_name, members in (components or {}).items()}
        if scale is not None:
            record.setdefault("Transform", {})["scale"] = [scale[0], scale[1]]
        return super().add(name, prefab, position, record)

    def camera(self):
        self.add("Camera", "Camera")

    def picture(self, name, source, position, size, layer, color=None, under=0):
        """`under` raises the picture's draw order on a button layer: it is drawn before pictures
        with less y + under (PANEL_ORDER and TEXT_ORDER keep panels under the buttons)."""
        picture = sprite(source, layer=layer)
        if color is not None:
            picture["color"] = color
        if under:
            picture["yOrderOffset"] = under
        self.add(name, "MenuPicture", position, {"Sprite": picture}, size)

    def manager(self, menu, first_focus=""):
        """`first_focus` names the button that has the focus (and shows it) as the menu opens."""
        members = {"menu": menu}
        if first_focus:
            members["firstFocus"] = first_focus
        self.add("Menu Input", "MenuManager", (0, 0), {"MenuInputManager": members})

    def button(self, name, face, position, button, layer, menu, neighbours, members=None, extra=None):
        components = {
            "Sprite": sprite(face, layer=layer),
            "MenuInputDetector": {"menu": menu, "transitions": list(neighbours)},
            button: members or {},
        }
        components.update(extra or {})
        self.add(name, "MenuButton", position, components)

    def toggle(self, name, stem, position, button, layers, menu, neighbours):
        _, button_layer = layers
        toggle = self.add(name, "MenuToggle", position, {
            "Sprite": sprite("ui_toggle_" + stem, BUTTON_SIZE, layer=button_layer),
            "MenuInputDetector": {"menu": menu, "transitions": list(neighbours)},
            button: {},
        })
        mark = self.add(name + " Mark", "MenuToggleMark", TOGGLE_MARK_AT,
                        {"Sprite": {"layer": button_layer}})
        self.adopt(toggle, mark)

    def hot_key(self, name, detector, button, members=None):
        self.add(name, "HotKey", (0, 0), {detector: {}, button: members or {}})

    def write(self):
        super().write(self.name)


def column_neighbours(names, index, left="", right=""):
    up = names[index - 1] if index > 0 else names[-1]
    down = names[index + 1] if index + 1 < len(names) else names[0]
    return (up, right, down, left)


def press_any_key(level, position):
    level.add("Press Any Key", "MenuPicture", position, {
        "Sprite": sprite("ui_press_any_key", layer="DL_GUI_BUTTON", animated=True, period=0.6)}, (560, 80))


def admin():
    level = Level("admin")
    level.add("LTM", "Default", (0, 0), {"LevelTransitionManager": None, "ScoreBoard": None})
    return level


def blank():
    return Level("blank")


def splash():
    # Two title cards, one after the other; any key or button goes on to the menu at once.
    level = Level("splash")
    level.camera()
    level.add("Level Manager", "Default", (0, 0), {"LevelManager": None})
    level.picture("Brindle Card", "splash_brindle", (0, 0), SLIDE_SIZE, "DL_GUI_FRAME")
    level.objects[-1]["components"]["FadeIn"] = {"fadeInStartTime": 0.2, "fadeInDuration": 1.5,
                                                 "fadeOutStartTime": 3.5, "fadeOutDuration": 1.0}
    level.picture("Corvane Card", "splash_corvane", (0, 0), SLIDE_SIZE, "DL_GUI_FRAME")
    level.objects[-1]["components"]["FadeIn"] = {"fadeInStartTime": 4.7, "fadeInDuration": 1.5,
                                                 "fadeOutStartTime": 8.0, "fadeOutDuration": 1.0}
    press_any_key(level, (0, -430))
    level.add("Timer", "Default", (0, 0), {"LevelTransitionTimer": {"timer": 9.2, "nextLevel": "introlevel"}})
    level.add("Skip", "Default", (0, 0), {"SwitchLevelOnKeyPress": {"nextLevel": "introlevel",
                                                                   "musicChange": MENU_MUSIC}})
    splash_drone_and_prompt(level)
    return level


def splash_drone_and_prompt(level):
    """The swelling drone under the cards, cut off as the splash goes (LoopSound), and the prompt
    held back until the first card has faded in (TimedHide)."""
    level.add("Intro Drone", "Default", (0, 0), {"LoopSound": None})
    for record in level.objects:
        if record["name"] == "Press Any Key":
            record["components"]["TimedHide"] = {"delay": 1.7}


def button_columns(level, buttons, layers, menu, x):
    """The menu's buttons in a column at -x, and the four on/off buttons beside them at +x, on the
    same rows 90 units apart; up and down wrap round a column, left and right go across.
    `buttons` holds (name, face, component, members, extra components) in order from the top."""
    left = [name for name, _, _, _, _ in buttons]
    right = [name for name, _, _ in TOGGLES]
    rows = [110 - 90 * index for index in range(len(left))]
    for index, (name, face, component, members, extra) in enumerate(buttons):
        beside = right[min(index, len(right) - 1)]
        neighbours = column_neighbours(left, index, right=beside, left=beside)
        level.button(name, face, (-x, rows[index]), component, layers[1], menu, neighbours, members, extra)
    for index, (name, component, stem) in enumerate(TOGGLES):
        neighbours = column_neighbours(right, index, left=left[index], right=left[index])
        level.toggle(name, stem, (x, rows[index]), component, layers, menu, neighbours)


# Buttons both the title menu and the pause menu show.
HOW_TO_PLAY_BUTTON = ("How To Play", "ui_button_how_to_play", "HowToPlayButton",
                      {"target": "how_to_play", "space": "MenuSpace1"}, None)
QUIT_BUTTON = ("Quit", "ui_button_quit", "QuitButton", None, None)


def overlay(name, layers, menu, backdrop_at, backdrop_size, heading, heading_at, heading_size, first_focus=""):
    """A menu shown over what plays beneath: the scene dimmed, a panel, its heading."""
    level = Level(name)
    frame, button_layer = layers
    level.camera()
    level.manager(menu, first_focus)
    level.picture("Dim", "ui_fade_black", (0, 0), (2048, 2048), frame, [1, 1, 1, 0.75])
    level.picture("Backdrop", "ui_panel", backdrop_at, backdrop_size, button_layer, under=PANEL_ORDER)
    level.picture(heading[0], heading[1], heading_at, heading_size, button_layer, under=TEXT_ORDER)
    return level


# The panels of the two menus the quit question is asked over: (centre, size).
MAIN_PANEL = ((0, -70), (1040, 460))
PAUSE_PANEL = ((0, 20), (1000, 520))


def question_box(panels, top, margin):
    """(centre, size) of the quit question's box: from `top` down past the foot of the panels it
    is asked over, and past their sides, by `margin`; no button of theirs (the QUIT just pressed,
    grown with the focus) shows beside the question."""
    half_width = max(abs(x) + w // 2 for (x, _), (w, _) in panels) + margin
    bottom = min(y - h // 2 for (_, y), (_, h) in panels) - margin
    return (0, (top + bottom) // 2), (2 * half_width, top - bottom)


def introlevel():
    level = Level("introlevel")
    frame = MAIN_LAYERS[0]
    level.camera()
    level.manager("main", "Start")
    level.picture("Space", "space_background", (0, 0), (2048, 2048), "DL_BACKGROUND")
    level.picture("Title", "ui_title", (0, 310), (800, 240), frame)
    level.picture("Backdrop", "ui_panel", *MAIN_PANEL, frame)
    button_columns(level, [
        ("Start", "ui_button_start", "ButtonStartGame", None, None),
        ("Tutorial", "ui_button_tutorial", "HowToPlayButton", {"target": "tutorial"}, None),
        HOW_TO_PLAY_BUTTON,
        ("Credits", "ui_button_credits", "HowToPlayButton", {"target": "credits"}, None),
        QUIT_BUTTON,
    ], MAIN_LAYERS, "main", 240)
    # Escape (or Start) opens the pause menu over the title; Backspace (or Back) starts the demo.
    level.hot_key("Pause Key", "PauseDetector", "PauseButton", {"target": "pause_menu"})
    level.hot_key("Auto Play Key", "AutoPlayDetector", "AutoPlayButton")
    return level


def pause_menu():
    level = overlay("pause_menu", PAUSE_LAYERS, "pause", *PAUSE_PANEL,
                    ("Title", "ui_pause_title"), (0, 210), (448, 96), "Resume")
    button_columns(level, [
        ("Resume", "ui_button_resume", "ResumeButton", None, {"CancelDetector": {}}),
        ("Main Menu", "ui_button_main_menu", "ButtonMainMenu", {"target": "introlevel"}, None),
        HOW_TO_PLAY_BUTTON,
        QUIT_BUTTON,
    ], PAUSE_LAYERS, "pause", 220)
    return level


def quit_confirmation():
    # The box's top stays under the main menu's title letters (their foot is at y 245). The answers
    # keep clear of where the pause menu's QUIT was pressed: the pointer resting there must not
    # give YES the focus that NO has from the start.
    box_at, box_size = question_box((MAIN_PANEL, PAUSE_PANEL), 260, 20)
    level = overlay("quit_confirmation", CONFIRMATION_LAYERS, "confirm", box_at, box_size,
                    ("Question", "ui_confirm_text"), (0, 90), (640, 128))
    button_layer = CONFIRMATION_LAYERS[1]
    # The answers stand apart enough to grow with focus without touching. "No" is named "Default":
    # its object shares the menu machine's first state, so the safe answer has the focus from the
    # moment the question opens.
    level.button("Default", "ui_button_no", (250, -110), "ResumeButton", button_layer, "confirm",
                 ("", "", "", "Yes"), extra={"CancelDetector": {}})
    level.button("Yes", "ui_button_yes", (-250, -110), "ConfirmButton", button_layer, "confirm",
                 ("", "Default", "", ""))
    return level


def how_to_play():
    level = Level("how_to_play")
    frame, button_layer = CONFIRMATION_LAYERS
    level.camera()
    level.manager("how to play", "Back")
    level.picture("Cover", "ui_fade_black", (0, 0), (2048, 2048), PAUSE_LAYERS[0], [1, 1, 1, 1])
    width, height = 800, 450
    for index, (x, y) in enumerate(((-410, 270), (410, 270), (-410, -190), (410, -190))):
        level.picture("Page %d" % (index + 1), "ui_how_to_play_%d" % (index + 1), (x, y + 20), (width, height), frame)
    level.button("Back", "ui_button_back", (0, -470), "ResumeButton", button_layer, "how to play", ("", "", "", ""),
                 extra={"CancelDetector": {}})
    return level


# Where the credits' last card waits: Space, F or a mouse button (or the pad's A or a trigger)
# jumps the camera there at once (SnapCameraOnInput snaps to this point).
LAST_CARD = (0, 3000)


def credits():
    level = Level("credits")
    level.add("Camera", "Camera", (0, 0), {"SnapCameraOnInput": None})
    level.picture("Slides", "credits_1", (0, 0), SLIDE_SIZE, "DL_GUI_FRAME")
    level.objects[-1]["components"]["Credits"] = {
        "images": ["credits_1", "credits_2", "credits_3", "credits_4"], "timePerSlide": 3.0, "transitionTime": 1.0}
    level.picture("Last Card", "credits_4", LAST_CARD, SLIDE_SIZE, "DL_GUI_FRAME")
    # Escape (or the pad's B) leaves early.
    level.hot_key("Back Key", "CancelDetector", "ButtonMainMenu", {"target": "introlevel"})
    return level


# The end screen's camera stands above the origin, so that the place the collection dumper
# slides its chest to, (0, 500), shows whole under the title, and the haul it pours downwards
# comes to rest (some 250 units lower) above the score. The chest comes in from the left of the
# view at that height: from above it would cross the title on its way down.
ENDSCREEN_CAMERA = (0, 200)
CHEST_START = (-1100, 500)


def endscreen():
    # Where a run ends, by death or by beating the boss: the chest slides in from beside the view
    # and pours out the run's haul (nothing after a death: dying loses it); the score the run ended
    # with shows in "Run Score" (the level flow writes it); then any key or button goes back to the
    # menu (the collection dumper does both, and forgets the run's loot and items).
    level = Level("endscreen")
    level.add("Camera", "Camera", ENDSCREEN_CAMERA)
    level.picture("Space", "space_background", ENDSCREEN_CAMERA, (2048, 2048), "DL_BACKGROUND")
    level.picture("Title", "endscreen_title", (0, 660), (640, 128), MAIN_LAYERS[0])
    level.add("Collection Dumper", "Default", CHEST_START, {
        "Sprite": {"source": "endscreen_chest", "layer": "DL_MAIN"},
        "CollectionDumper": {},
    }, scale=(128, 128))
    # The score at the bottom, under where the haul comes to rest (however many pieces push
    # each other aside there).
    level.picture("Score", "endscreen_score", (0, -105), (320, 64), MAIN_LAYERS[0])
    level.add("Run Score", "TitleText", (0, -185), {"TextToSprite": {"layer": MAIN_LAYERS[1], "text": "0"}},
              scale=(1.2, 1.2))
    press_any_key(level, (0, -290))
    return level


AUTO_PLAY_TILE = 96
AUTO_PLAY_ROOM = (17, 9)  # floor tiles across and up; the room with its walls fills the view


def auto_play():
    """The attract mode, opened over the main menu in "Encounter": a pirate on the players' side,
    steered by the enemies' own brain, fights a crew of ducks, bugs and bears in a walled hold.
    Any key or button, or the last enemy falling, goes back to the menu."""
    level = Level("auto_play")
    level.camera()
    columns, rows = AUTO_PLAY_ROOM
    left, bottom = level.add_walled_floor(columns, rows, AUTO_PLAY_TILE, "FloorTile", "RangeWall")

    def at(column, row):
        return (left + column * AUTO_PLAY_TILE, bottom + row * AUTO_PLAY_TILE)

    # Tough enough to outlast the crew: its brain sends the game elsewhere when it dies.
    level.add("AutoPlayer", "BasicEnemy", at(2, 4), {
        "CircleCollider": {"group": "PLAYER"},
        "Team": {"Team": 0},
        "Registerer": {"registryType": "PLAYERS"},
        "Health": {"hitpoints": 100000, "max hitpoints": 100000, "regens": False,
                   "sound hurt": "event:/SFX/PlayerHurt"},
        "Equipment": {"startingPrimary": "pistol"},
        "Ammo": {"ammo_BULLET": 100000},
        "Sprite": {"source": "player_walk_right"},
    })
    for name, prefab, place in (("Duck", "AI_duck", (12, 6)), ("Duck", "AI_duck", (14, 2)),
                                ("Bug", "AI_bug", (10, 3)), ("Bug", "AI_bug", (13, 7)),
                                ("Bear", "AI_bear", (15, 5))):
        level.add(name, prefab, at(*place))
    level.hot_key("Back Key", "AnyInputDetector", "ResumeButton")
    level.hot_key("Crew Down", "AllEnemyDeathDetector", "ResumeButton")
    return level


def main():
    write_menu_prefabs()
    for build in (admin, blank, splash, introlevel, pause_menu, quit_confirmation, how_to_play, credits, endscreen,
                  auto_play):
        build().write()


if __name__ == "__main__":
    main()
