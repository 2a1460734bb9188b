#!/usr/bin/env python3
"""Makes every sound effect and music track of the game with a small synthesiser, then writes
the sound banks and the sound list.

    python3 tools/make_sounds.py          (from the repository root)

Outputs, all committed so that a fresh clone plays without running this:
    Assets/Sounds/Samples/*.wav            16-bit mono; effects at 22,050 Hz, music at 16,000 Hz
    Assets/Sounds/Master Bank.bank         events: sample, loop, sustain region, fade-out, stream
    Assets/Sounds/Master Bank.strings.bank event paths to event ids
    Assets/SoundResources.txt              one event path per line, the list the game loads

Everything is computed from fixed seeds, so running it twice writes the same bytes. Only the
standard library is used: wave and struct write the files, math makes the sound, json writes
the banks. The sounds are made side by side in a few processes (pure Python synthesis takes a
while); each is made from its own seeds, so the bytes do not depend on that.
"""
import json
import math
import multiprocessing
import os
import struct
import wave

from catalogue import replace_section
from content import output_path, write_text

EFFECT_RATE = 22050
MUSIC_RATE = 16000
TAU = 2.0 * math.pi

SOUNDS = "Assets/Sounds/"
SAMPLES = SOUNDS + "Samples/"
BANK_FORMAT = "corvane-sound-bank"


# --------------------------------------------------------------------------------------------
# Building blocks. A sound is a list of floats in [-1, 1] at a known rate.

class Noise:
    """White noise from a fixed linear congruential sequence, the same on every run."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 2147483648.0 - 1.0


def frames(seconds, rate):
    return max(1, int(round(seconds * rate)))


def oscillator(shape, phase):
    """One value of a waveform at phase (in cycles)."""
    p = phase - math.floor(phase)
    if shape == "sine":
        return math.sin(TAU * p)
    if shape == "square":
        return 1.0 if p < 0.5 else -1.0
    if shape == "saw":
        return 2.0 * p - 1.0
    if shape == "triangle":
        return 4.0 * p - 1.0 if p < 0.5 else 3.0 - 4.0 * p
    raise ValueError(shape)


def tone(shape, start_hz, end_hz, seconds, rate, vibrato_hz=0.0, vibrato_depth=0.0):
    """A waveform whose pitch glides exponentially from start_hz to end_hz."""
    n = frames(seconds, rate)
    out = []
    phase = 0.0
    ratio = end_hz / start_hz
    for i in range(n):
        t = i / n
        hz = start_hz * (ratio ** t)
        if vibrato_depth:
            hz *= 1.0 + vibrato_depth * math.sin(TAU * vibrato_hz * i / rate)
        out.append(oscillator(shape, phase))
        phase += hz / rate
    return out


def noise(seconds, rate, seed):
    source = Noise(seed)
    return [source.next() for _ in range(frames(seconds, rate))]


def lowpass(samples, cutoff_hz, rate):
    """One-pole low-pass filter."""
    k = 1.0 - math.exp(-TAU * cutoff_hz / rate)
    out = []
    y = 0.0
    for x in samples:
        y += k * (x - y)
        out.append(y)
    return out


def highpass(samples, cutoff_hz, rate):
    low = lowpass(samples, cutoff_hz, rate)
    return [x - y for x, y in zip(samples, low)]


def sweep_lowpass(samples, start_hz, end_hz, rate):
    """Low-pass whose cutoff glides exponentially over the sound."""
    out = []
    y = 0.0
    n = len(samples)
    for i, x in enumerate(samples):
        hz = start_hz * ((end_hz / start_hz) ** (i / n))
        y += (1.0 - math.exp(-TAU * hz / rate)) * (x - y)
        out.append(y)
    return out


def envelope(samples, rate, attack=0.005, decay=0.0, sustain=1.0, release=0.05):
    """Attack to 1, decay to the sustain level, hold, release to 0 at the end."""
    n = len(samples)
    a, d, r = frames(attack, rate), frames(decay, rate) if decay else 0, frames(release, rate)
    out = []
    for i, x in enumerate(samples):
        if i < a:
            level = i / a
        elif i < a + d:
            level = 1.0 - (1.0 - sustain) * (i - a) / d
        else:
            level = sustain
        if i >= n - r:
            level *= (n - i) / r
        out.append(x * level)
    return out


def decay(samples, rate, seconds):
    """Exponential fade with the given time constant."""
    return [x * math.exp(-i / (seconds * rate)) for i, x in enumerate(samples)]


def scale(samples, gain):
    return [x * gain for x in samples]


def add(*sounds):
    n = max(len(s) for s in sounds)
    out = [0.0] * n
    for s in sounds:
        for i, x in enumerate(s):
            out[i] += x
    return out


def concat(*sounds):
    out = []
    for s in sounds:
        out.extend(s)
    return out


def silence(seconds, rate):
    return [0.0] * frames(seconds, rate)


def place(buffer, sound, start, gain=1.0, wrap=False):
    """Adds sound into buffer at frame start; a looping track wraps the overhang to its start."""
    n = len(buffer)
    for i, x in enumerate(sound):
        j = start + i
        if j >= n:
            if not wrap:
                break
            j %= n
        buffer[j] += x * gain


def seamless(samples, start, end, rate, fade=0.03):
    """Blends the last moments of a loop region towards the sound just before its start, so the
    jump from the region's end back to its start lands on a matching wave and does not click."""
    out = list(samples)
    a, b, n = frames(start, rate), frames(end, rate), frames(fade, rate)
    n = min(n, a, b - a)
    for k in range(n):
        weight = (k + 1) / n
        out[b - n + k] = out[b - n + k] * (1.0 - weight) + samples[a - n + k] * weight
    return out


def normalise(samples, peak=0.9):
    top = max((abs(x) for x in samples), default=0.0)
    return samples if top == 0.0 else [x * peak / top for x in samples]


def sixteen_bit(samples):
    data = bytearray()
    for x in samples:
        data += struct.pack("<h", int(round(max(-1.0, min(1.0, x)) * 32767)))
    return bytes(data)


def write_wave(name, data, rate):
    with wave.open(output_path(SAMPLES + name), "wb") as file:
        file.setnchannels(1)
        file.setsampwidth(2)
        file.setframerate(rate)
        file.writeframes(data)


def midi(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


# --------------------------------------------------------------------------------------------
# Sound effects

def effect_gunshot(seed, body_hz, length, brightness):
    crack = decay(highpass(noise(length, EFFECT_RATE, seed), brightness, EFFECT_RATE), EFFECT_RATE, length / 6)
    body = decay(tone("square", body_hz, body_hz / 3, length, EFFECT_RATE), EFFECT_RATE, length / 5)
    thump = decay(tone("sine", 120, 50, length, EFFECT_RATE), EFFECT_RATE, length / 4)
    return normalise(add(scale(crack, 0.8), scale(lowpass(body, 2500, EFFECT_RATE), 0.4), thump))


def effect_blip(hz, length, shape="sine", second_hz=None):
    first = envelope(tone(shape, hz, hz, length, EFFECT_RATE), EFFECT_RATE, 0.002, release=length / 2)
    if second_hz is None:
        return normalise(first, 0.7)
    second = envelope(tone(shape, second_hz, second_hz, length, EFFECT_RATE), EFFECT_RATE, 0.002, release=length / 2)
    return normalise(concat(first, second), 0.7)


def effect_thump(start_hz, end_hz, length, seed, grit=0.15):
    body = decay(tone("sine", start_hz, end_hz, length, EFFECT_RATE), EFFECT_RATE, length / 3)
    dirt = decay(lowpass(noise(length, EFFECT_RATE, seed), 400, EFFECT_RATE), EFFECT_RATE, length / 6)
    return normalise(envelope(add(body, scale(dirt, grit)), EFFECT_RATE, 0.003, release=0.02))


def effect_explosion(seed, length):
    rumble = decay(sweep_lowpass(noise(length, EFFECT_RATE, seed), 3000, 150, EFFECT_RATE), EFFECT_RATE, length / 3)
    boom = decay(tone("sine", 90, 30, length, EFFECT_RATE), EFFECT_RATE, length / 3)
    return normalise(envelope(add(scale(rumble, 2.5), boom), EFFECT_RATE, 0.004, release=0.1))


def effect_crumble(seed, length, bursts):
    out = silence(length, EFFECT_RATE)
    source = Noise(seed + 7)
    for k in range(bursts):
        start = int((k / bursts + 0.05 * source.next()) * len(out) * 0.8)
        grain = decay(lowpass(noise(0.08, EFFECT_RATE, seed + k), 1800, EFFECT_RATE), EFFECT_RATE, 0.02)
        place(out, grain, max(0, start), 0.9 - 0.6 * k / bursts)
    return normalise(out)


def effect_sweep(seed, start_hz, end_hz, length, tonal_hz=None):
    whoosh = envelope(sweep_lowpass(noise(length, EFFECT_RATE, seed), start_hz, end_hz, EFFECT_RATE),
                      EFFECT_RATE, length / 3, release=length / 2)
    if tonal_hz is None:
        return normalise(whoosh)
    sing = envelope(tone("triangle", tonal_hz[0], tonal_hz[1], length, EFFECT_RATE, 7.0, 0.02),
                    EFFECT_RATE, length / 4, release=length / 2)
    return normalise(add(scale(whoosh, 1.5), scale(sing, 0.5)))


def effect_arpeggio(notes, step, shape="triangle", ring=0.12):
    out = silence(step * len(notes) + ring, EFFECT_RATE)
    for k, note in enumerate(notes):
        blip = decay(tone(shape, midi(note), midi(note), step + ring, EFFECT_RATE), EFFECT_RATE, ring / 2)
        place(out, envelope(blip, EFFECT_RATE, 0.002, release=0.01), frames(k * step, EFFECT_RATE))
    return normalise(out, 0.7)


def effect_bell(hz, length):
    partials = [(1.0, 1.0, length / 3), (2.76, 0.5, length / 6), (5.4, 0.25, length / 10)]
    layers = [decay(tone("sine", hz * ratio, hz * ratio, length, EFFECT_RATE), EFFECT_RATE, tail) for ratio, _, tail in partials]
    return normalise(envelope(add(*[scale(layer, gain) for layer, (_, gain, _) in zip(layers, partials)]),
                              EFFECT_RATE, 0.002, release=0.05), 0.7)


def effect_propulsion():
    """Engine rumble: a start, a sustain region that loops while thrust is held, and a tail.
    The 60 Hz hum fits the half-second region a whole number of times, so the loop is seamless."""
    start, held, tail = 0.15, 0.5, 0.35
    length = start + held + tail
    hum = tone("saw", 60, 60, length, EFFECT_RATE)
    hiss = lowpass(noise(length, EFFECT_RATE, 41), 700, EFFECT_RATE)
    body = add(scale(lowpass(hum, 500, EFFECT_RATE), 0.8), scale(hiss, 1.5))
    n, a, b = len(body), frames(start, EFFECT_RATE), frames(start + held, EFFECT_RATE)
    shaped = []
    for i, x in enumerate(body):
        if i < a:
            level = i / a
        elif i < b:
            level = 1.0
        else:
            level = math.exp(-(i - b) / (0.08 * EFFECT_RATE)) * (n - i) / (n - b)
        shaped.append(x * level)
    shaped = seamless(shaped, start, start + held, EFFECT_RATE)
    return normalise(shaped, 0.7), {"sustainStart": start, "sustainEnd": start + held}


def effect_groan(length):
    voice = tone("saw", 220, 70, length, EFFECT_RATE, 5.5, 0.03)
    shaped = add(scale(lowpass(voice, 700, EFFECT_RATE), 1.0), scale(lowpass(voice, 2400, EFFECT_RATE), 0.3))
    return normalise(envelope(shaped, EFFECT_RATE, 0.08, release=0.5))


def effect_burst(seed):
    """Three quick shots, as one burst of the burst gun."""
    shot = effect_gunshot(seed, 520, 0.09, 2000)
    gap = silence(0.02, EFFECT_RATE)
    return normalise(concat(shot, gap, scale(shot, 0.9), gap, scale(shot, 0.8)))


def effect_laser(start_hz, end_hz, length):
    zap = envelope(tone("square", start_hz, end_hz, length, EFFECT_RATE), EFFECT_RATE, 0.002, release=length / 2)
    return normalise(lowpass(zap, 4000, EFFECT_RATE), 0.6)


def effect_beam():
    """The beam gun's hum: a short swell, then a region that loops for as long as the beam is held.
    110 Hz and the 4 Hz wobble both fit the half-second region a whole number of times."""
    attack, held = 0.1, 0.5
    length = attack + held
    hum = tone("saw", 110, 110, length, EFFECT_RATE)
    octave = tone("square", 220, 220, length, EFFECT_RATE)
    wobble = [0.75 + 0.25 * math.sin(TAU * 4.0 * i / EFFECT_RATE) for i in range(len(hum))]
    body = [(0.6 * a + 0.25 * b) * w for a, b, w in zip(lowpass(hum, 1800, EFFECT_RATE), lowpass(octave, 900, EFFECT_RATE), wobble)]
    rise = frames(attack, EFFECT_RATE)
    shaped = seamless([x * min(1.0, i / rise) for i, x in enumerate(body)], attack, length, EFFECT_RATE)
    return normalise(shaped, 0.6), {"loop": True, "loopStart": attack, "loopEnd": length}


def effect_hurt(start_hz, end_hz, length, seed):
    voice = lowpass(tone("saw", start_hz, end_hz, length, EFFECT_RATE, 30.0, 0.05), 1400, EFFECT_RATE)
    hit = decay(lowpass(noise(length, EFFECT_RATE, seed), 2000, EFFECT_RATE), EFFECT_RATE, 0.03)
    return normalise(envelope(add(voice, scale(hit, 0.6)), EFFECT_RATE, 0.004, release=length / 2))


def effect_quack():
    def quack(hz):
        nasal = lowpass(tone("saw", hz, hz * 0.8, 0.13, EFFECT_RATE, 12.0, 0.04), 1600, EFFECT_RATE)
        return envelope(nasal, EFFECT_RATE, 0.01, release=0.05)
    return normalise(concat(quack(520), silence(0.05, EFFECT_RATE), quack(470)))


def effect_buzz(length):
    hum = add(tone("square", 120, 120, length, EFFECT_RATE), scale(tone("sine", 240, 240, length, EFFECT_RATE), 0.5))
    tremolo = [x * (0.6 + 0.4 * math.sin(TAU * 18 * i / EFFECT_RATE)) for i, x in enumerate(lowpass(hum, 1500, EFFECT_RATE))]
    return normalise(envelope(tremolo, EFFECT_RATE, 0.02, release=0.15), 0.6)


EFFECTS = [
    # (event name, file name, maker)
    ("PistolShoot", "PistolShoot.wav", lambda: effect_gunshot(11, 420, 0.25, 1500)),
    ("RifleShoot", "RifleShoot.wav", lambda: effect_gunshot(12, 600, 0.18, 2500)),
    ("Menu Click", "MenuClick.wav", lambda: effect_blip(1200, 0.04)),
    ("MenuClickV2", "MenuClickV2.wav", lambda: effect_blip(900, 0.035, "triangle", 1350)),
    ("TransitionSound", "TransitionSound.wav", lambda: normalise(add(effect_sweep(13, 200, 6000, 1.4),
                                                                    scale(concat(silence(0.6, EFFECT_RATE), effect_bell(1046, 0.8)), 0.5)))),
    ("Bosswalk", "Bosswalk.wav", lambda: effect_thump(90, 35, 0.35, 14, 0.4)),
    ("ThroneCrack", "ThroneCrack.wav", lambda: effect_crumble(15, 0.6, 9)),
    ("Heartbeat1", "Heartbeat1.wav", lambda: effect_thump(70, 40, 0.22, 16)),
    ("Heartbeat2", "Heartbeat2.wav", lambda: effect_thump(55, 32, 0.28, 17)),
    ("EndLootCount", "EndLootCount.wav", lambda: effect_arpeggio([88, 95], 0.05, "sine")),
    ("BombBeep", "BombBeep.wav", lambda: effect_blip(880, 0.12, "square")),
    ("BossDeathDing", "BossDeathDing.wav", lambda: effect_bell(784, 1.2)),
    ("BossDeathNOOO", "BossDeathNOOO.wav", lambda: effect_groan(1.5)),
    ("BossThrowTurret", "BossThrowTurret.wav", lambda: effect_sweep(18, 300, 3000, 0.4)),
    ("Dash", "Dash.wav", lambda: effect_sweep(19, 800, 5000, 0.25)),
    ("DeathBallCharge", "DeathBallCharge.wav", lambda: effect_sweep(20, 200, 4000, 1.5, (110, 880))),
    ("DoorNoise", "DoorNoise.wav", lambda: normalise(envelope(add(lowpass(noise(0.6, EFFECT_RATE, 21), 300, EFFECT_RATE),
                                                                 scale(tone("saw", 80, 60, 0.6, EFFECT_RATE), 0.1)),
                                                             EFFECT_RATE, 0.05, release=0.2))),
    ("DronePop", "DronePop.wav", lambda: effect_thump(600, 90, 0.15, 22, 0.5)),
    ("ExplosionV2", "ExplosionV2.wav", lambda: effect_explosion(23, 1.0)),
    ("HealOverTime", "HealOverTime.wav", lambda: effect_arpeggio([72, 76, 79, 84, 88], 0.09)),
    ("ItemSwap", "ItemSwap.wav", lambda: normalise(concat(effect_thump(2000, 800, 0.04, 24, 1.0), silence(0.04, EFFECT_RATE),
                                                         effect_thump(2600, 900, 0.04, 25, 1.0)), 0.7)),
    ("LootCollection", "LootCollection.wav", lambda: effect_arpeggio([79, 83, 86, 91], 0.06, "square")),
    ("PropulsionNoise", "PropulsionNoise.wav", effect_propulsion),
    ("Shield", "Shield.wav", lambda: effect_sweep(26, 1500, 7000, 0.5, (440, 660))),
    ("ShotgunPump", "ShotgunPump.wav", lambda: normalise(concat(effect_thump(1200, 300, 0.08, 27, 1.2), silence(0.12, EFFECT_RATE),
                                                               effect_thump(1500, 350, 0.1, 28, 1.2)), 0.8)),
    ("Teleport", "Teleport.wav", lambda: effect_sweep(29, 400, 8000, 0.6, (220, 1760))),
    ("WallbreakV2", "WallbreakV2.wav", lambda: normalise(add(effect_crumble(30, 0.7, 12), scale(effect_explosion(31, 0.7), 0.5)))),
    # Sounds for the data to name (guns, health, creatures, props); no code asks for these paths.
    ("ShotgunShoot", "ShotgunShoot.wav", lambda: effect_gunshot(32, 300, 0.4, 800)),
    ("BurstShoot", "BurstShoot.wav", lambda: effect_burst(33)),
    ("RocketLaunch", "RocketLaunch.wav", lambda: normalise(add(effect_sweep(34, 3000, 300, 0.6), scale(effect_thump(150, 50, 0.3, 35, 0.5), 0.7)))),
    ("LaserShoot", "LaserShoot.wav", lambda: effect_laser(1800, 300, 0.16)),
    ("BeamLoop", "BeamLoop.wav", effect_beam),
    ("Reload", "Reload.wav", lambda: normalise(concat(effect_thump(1800, 900, 0.03, 36, 1.0), silence(0.1, EFFECT_RATE),
                                                     effect_thump(1400, 500, 0.05, 37, 1.0)), 0.7)),
    ("PlayerHurt", "PlayerHurt.wav", lambda: effect_hurt(330, 180, 0.2, 38)),
    ("EnemyHurt", "EnemyHurt.wav", lambda: effect_thump(260, 90, 0.12, 39, 0.8)),
    ("EnemyDeath", "EnemyDeath.wav", lambda: normalise(add(effect_laser(600, 70, 0.45), scale(effect_crumble(40, 0.45, 5), 0.5)))),
    ("BearGrowl", "BearGrowl.wav", lambda: effect_hurt(120, 70, 0.6, 41)),
    ("DuckQuack", "DuckQuack.wav", effect_quack),
    ("BugSquish", "BugSquish.wav", lambda: effect_crumble(42, 0.25, 6)),
    ("Footstep", "Footstep.wav", lambda: effect_thump(160, 60, 0.08, 43, 0.6)),
    ("Pickup", "Pickup.wav", lambda: effect_arpeggio([76, 83], 0.05, "square")),
    ("Interact", "Interact.wav", lambda: effect_blip(660, 0.05, "triangle", 990)),
    ("ForceField", "ForceField.wav", lambda: effect_buzz(0.5)),
    ("Blink", "Blink.wav", lambda: normalise(add(effect_laser(2400, 200, 0.2), scale(effect_sweep(44, 6000, 800, 0.2), 0.5)))),
]

# What each event is, for the catalogue (docs/ASSETS.md).
DESCRIPTIONS = {
    "PistolShoot": "pistol shot; also what any path missing from the list plays",
    "RifleShoot": "rifle shot, short and bright",
    "Menu Click": "plain click (the Sound record's default)",
    "MenuClickV2": "two-tone menu click (ClickSound)",
    "TransitionSound": "whoosh with a bell: the default music transition sting",
    "Bosswalk": "heavy boss footstep",
    "ThroneCrack": "stone cracking (throne stages)",
    "Heartbeat1": "first heartbeat thump (low health)",
    "Heartbeat2": "second, deeper heartbeat thump",
    "EndLootCount": "coin tick as the end screen counts loot",
    "BombBeep": "bomb fuse beep",
    "BossDeathDing": "bell ring at the boss's death",
    "BossDeathNOOO": "the boss's falling groan",
    "BossThrowTurret": "whoosh of a thrown turret",
    "Dash": "short air rush",
    "DeathBallCharge": "rising hum of the death ball charging",
    "DoorNoise": "door sliding",
    "DronePop": "drone popping",
    "ExplosionV2": "explosion (Blast)",
    "HealOverTime": "rising chime (heal over time)",
    "ItemSwap": "two clicks: picking up or swapping an item",
    "LootCollection": "coin arpeggio: loot collected",
    "PropulsionNoise": "engine rumble; a sustain region loops until its cue, then the tail plays (ShipThruster)",
    "Shield": "shimmering shield up",
    "ShotgunPump": "shotgun pump, two clacks",
    "Teleport": "rising teleport sweep",
    "WallbreakV2": "wall bursting into rubble",
    "ShotgunShoot": "shotgun blast, deep and noisy",
    "BurstShoot": "three quick shots (one burst)",
    "RocketLaunch": "rocket whoosh with a thump",
    "LaserShoot": "pew: enemy and drone laser shot",
    "BeamLoop": "beam gun hum; loops until stopped (Sound::Start / Sound::Stop)",
    "Reload": "magazine out, magazine in",
    "PlayerHurt": "player hit grunt",
    "EnemyHurt": "enemy hit thud",
    "EnemyDeath": "enemy dying: falling tone and crumble",
    "BearGrowl": "bear growl",
    "DuckQuack": "angry double quack",
    "BugSquish": "bug squish",
    "Footstep": "light footstep",
    "Pickup": "short pickup blip (ammo, specials)",
    "Interact": "interaction blip (consoles, comm stations)",
    "ForceField": "force field buzz",
    "Blink": "blink zap",
    "IntroSequence": "music: the opening, slow pads and bells (plays once; the sound system restarts music that ends)",
    "IntroPanSequence": "the splash screen's swelling drone (LoopSound plays it as an effect)",
    "MenuMusic": "music: main menu, A minor pads and plucks, loops",
    "AmbientTracks": "music: overworld and tutorial, slow D minor pads and bells, loops",
    "BattleMusic": "music: encounters, driving drums and bass, loops",
    "BossMusic": "music: the boss fight, fast and menacing, loops",
    "Credits": "music: credits and defeat, gentle C major bells, loops",
    "Death": "music: death, a falling line",
    "Win!": "music sting: victory fanfare (also played as a transition sting)",
}


# --------------------------------------------------------------------------------------------
# Music: a tiny sequencer. A track is bars of beats; instruments place notes into one buffer.
# Looping tracks wrap note tails around to the start so the loop has no seam.

def note_sound(instrument, note, seconds, seed=0):
    hz = midi(note)
    r = MUSIC_RATE
    if instrument == "bass":
        return envelope(lowpass(tone("saw", hz, hz, seconds, r), 600, r), r, 0.005, 0.1, 0.6, 0.05)
    if instrument == "lead":
        return envelope(lowpass(tone("square", hz, hz, seconds, r, 5.0, 0.006), 2500, r), r, 0.01, 0.1, 0.5, 0.08)
    if instrument == "pluck":
        return envelope(decay(lowpass(tone("saw", hz, hz, seconds, r), 3000, r), r, 0.12), r, 0.003, release=0.01)
    if instrument == "bell":
        return decay(add(tone("sine", hz, hz, seconds, r), scale(tone("sine", hz * 2.0, hz * 2.0, seconds, r), 0.3)), r, 0.35)
    if instrument == "pad":
        layers = [tone("saw", hz * d, hz * d, seconds, r) for d in (0.997, 1.003)]
        return envelope(lowpass(add(*layers), 900, r), r, seconds / 3, release=seconds / 3)
    if instrument == "kick":
        return decay(tone("sine", 130, 45, 0.25, r), r, 0.08)
    if instrument == "snare":
        return add(decay(highpass(noise(0.18, r, seed), 1000, r), r, 0.05), scale(decay(tone("triangle", 190, 160, 0.18, r), r, 0.04), 0.5))
    if instrument == "hat":
        return scale(decay(highpass(noise(0.05, r, seed), 5000, r), r, 0.012), 0.5)
    raise ValueError(instrument)


class Track:
    def __init__(self, bpm, bars, loop, beats_per_bar=4, tail=0.0):
        self.beat = 60.0 / bpm
        self.loop = loop
        self.length = bars * beats_per_bar * self.beat
        self.buffer = silence(self.length + (0.0 if loop else tail), MUSIC_RATE)
        self.hits = 0

    def play(self, instrument, note, beat, beats, gain):
        self.hits += 1
        sound = note_sound(instrument, note, beats * self.beat, seed=1000 + self.hits)
        place(self.buffer, sound, frames(beat * self.beat, MUSIC_RATE) if beat else 0, gain, wrap=self.loop)

    def drums(self, bars, pattern, gain=1.0, first_bar=0):
        """pattern: per eighth note, a string of k (kick), s (snare), h (hat) letters or '.'."""
        for bar in range(first_bar, first_bar + bars):
            for step, hits in enumerate(pattern):
                for letter, name in (("k", "kick"), ("s", "snare"), ("h", "hat")):
                    if letter in hits:
                        self.play(name, 0, bar * 4 + step * 0.5, 0.5, gain)

    def samples(self):
        return normalise(self.buffer, 0.85)


def chord(root, minor):
    return [root, root + (3 if minor else 4), root + 7]


def music_menu():
    """Main menu, 16 bars: the theme's chords, a melody over them, a bridge, and the theme again."""
    track = Track(110, 16, loop=True)
    theme = [(57, True), (53, False), (60, False), (55, False)]  # Am F C G
    bridge = [(53, False), (55, False), (52, True), (57, True)]  # F G Em Am
    melodies = {1: [76, 72, 77, 72, 76, 79, 74, 71], 3: [81, 76, 77, 81, 79, 76, 74, 79]}
    for section, progression in enumerate([theme, theme, bridge, theme]):
        for index, (root, minor) in enumerate(progression):
            bar = section * 4 + index
            notes = chord(root, minor)
            for note in notes:
                track.play("pad", note, bar * 4, 4, 0.11)
            track.play("bass", root - 12, bar * 4, 2, 0.35)
            track.play("bass", root - 12, bar * 4 + 2.5, 1.5, 0.3)
            pattern = [0, 2, 1, 2, 0, 2, 1, 2] if section == 2 else [0, 1, 2, 1, 0, 1, 2, 1]
            for step, offset in enumerate(pattern):
                track.play("pluck", notes[offset] + 12, bar * 4 + step * 0.5, 0.5, 0.16)
            if section in melodies:
                track.play("lead", melodies[section][index * 2], bar * 4, 2, 0.08)
                track.play("lead", melodies[section][index * 2 + 1], bar * 4 + 2, 2, 0.08)
    return track


def music_ambient():
    """Overworld and tutorial: eight slow bars of pads with bells that drift higher in the second half."""
    track = Track(60, 8, loop=True)
    progression = [(50, True), (46, False), (53, False), (48, False)]  # Dm Bb F C
    for bar in range(8):
        root, minor = progression[bar % 4]
        for note in chord(root, minor) + [root + 12]:
            track.play("pad", note, bar * 4, 4, 0.11)
        track.play("bass", root - 12, bar * 4, 4, 0.12)
        lift = 12 if bar >= 4 else 0
        track.play("bell", root + 24 + lift, bar * 4 + 1, 2, 0.09)
        track.play("bell", chord(root, minor)[2] + 24 + lift, bar * 4 + 2.5, 1.5, 0.07)
        if bar % 2 == 1:
            track.play("bell", chord(root, minor)[1] + 36, bar * 4 + 3.5, 0.5, 0.05)
    return track


def music_battle():
    """Encounters, 16 bars: riff, riff with the full lead, a climbing middle, and a stripped-down return."""
    track = Track(150, 16, loop=True)
    groove = ["kh", "h", "sh", "h", "kh", "kh", "sh", "h"]
    fill = ["kh", "h", "sh", "h", "s", "s", "ks", "s"]
    for bar in range(16):
        track.drums(1, fill if bar % 4 == 3 else groove, 0.5, bar)
    riff = [64, 64, 67, 64, 69, 64, 67, 62]
    middle = [69, 71, 72, 71, 69, 67, 69, 72]
    roots = [40, 40, 43, 38] * 2 + [45, 45, 43, 41] + [40, 40, 43, 38]
    for bar, root in enumerate(roots):
        section = bar // 4
        for step in range(8):
            track.play("bass", root + (12 if step % 4 == 3 else 0), bar * 4 + step * 0.5, 0.5, 0.3)
        line = middle if section == 2 else riff
        for step, note in enumerate(line):
            if section == 3 and step % 2 == 1:
                continue
            if section == 0 and (step + bar) % 3 == 2:
                continue
            track.play("lead", note + (bar % 4 == 3) * -2, bar * 4 + step * 0.5, 0.5, 0.11)
        if section == 2:
            for note in chord(root + 12, True):
                track.play("pad", note, bar * 4, 4, 0.05)
    return track


def music_boss():
    """The boss fight, 16 bars in E with a tritone: stomp, a wailing lead, half-time, stomp again."""
    track = Track(160, 16, loop=True)
    stomp = ["kh", "kh", "sh", "h", "kh", "kh", "sh", "kh"]
    half = ["kh", "h", "h", "h", "sh", "h", "h", "kh"]
    for bar in range(16):
        track.drums(1, half if 8 <= bar < 12 else stomp, 0.55, bar)
    roots = [40, 41, 40, 46] * 4
    wail = [76, 77, 79, 82, 81, 79, 77, 76]
    for bar, root in enumerate(roots):
        section = bar // 4
        for step in range(8):
            track.play("bass", root + (12 if section == 1 and step % 2 else 0), bar * 4 + step * 0.5, 0.5, 0.32)
        for note in (root + 24, root + 27, root + 30):
            track.play("pad", note, bar * 4, 4, 0.07)
        if section == 1:
            track.play("lead", wail[(bar % 4) * 2], bar * 4, 2, 0.11)
            track.play("lead", wail[(bar % 4) * 2 + 1], bar * 4 + 2, 2, 0.1)
        elif section == 2:
            track.play("lead", root + 36, bar * 4, 4, 0.08)
        else:
            track.play("lead", root + 36, bar * 4, 1.5, 0.12)
            track.play("lead", root + 35, bar * 4 + 1.5, 2.5, 0.1)
    return track


def music_credits():
    """Credits and defeat, 16 gentle bars: bells carry the tune, plucks join, then the tune an octave up."""
    track = Track(90, 16, loop=True)
    melody = [72, 76, 79, 76, 74, 72, 69, 72, 77, 76, 74, 72, 71, 74, 79, 77]
    progression = [(48, False), (45, True), (53, False), (55, False)]  # C Am F G
    for bar in range(16):
        section = bar // 4
        root, minor = progression[bar % 4]
        for note in chord(root, minor):
            track.play("pad", note + 12, bar * 4, 4, 0.08)
        track.play("bass", root - 12, bar * 4, 3, 0.3)
        for step in range(4):
            note = melody[(bar % 4) * 4 + step] + (12 if section == 3 else 0)
            track.play("bell", note, bar * 4 + step, 1, 0.18 if section != 3 else 0.12)
        if section >= 1:
            for step, offset in enumerate([0, 1, 2, 1, 2, 1, 0, 1]):
                track.play("pluck", chord(root, minor)[offset] + 24, bar * 4 + step * 0.5, 0.5, 0.07)
    return track


def music_intro():
    track = Track(80, 2, loop=False, tail=2.0)
    for note in (45, 52, 57, 64):
        track.play("pad", note, 0, 8, 0.12)
    for step, note in enumerate([69, 72, 76, 81, 84, 88]):
        track.play("bell", note, 2 + step * 0.75, 2, 0.12)
    return track


def music_intro_pan():
    length = 4.0
    whoosh = envelope(sweep_lowpass(noise(length, MUSIC_RATE, 51), 150, 4000, MUSIC_RATE), MUSIC_RATE, 2.5, release=1.4)
    drone = envelope(tone("saw", 55, 110, length, MUSIC_RATE), MUSIC_RATE, 2.0, release=1.5)
    return normalise(add(scale(whoosh, 2.0), scale(lowpass(drone, 500, MUSIC_RATE), 0.6)), 0.85)


def music_death():
    track = Track(70, 2, loop=False, tail=2.0)
    for step, note in enumerate([69, 67, 64, 62, 60, 57]):
        track.play("lead", note, step * 0.66, 0.9, 0.15)
    for note in (45, 48, 52):
        track.play("pad", note, 2, 6, 0.12)
    return track


def music_win():
    track = Track(140, 1, loop=False, tail=1.0)
    for step, note in enumerate([60, 64, 67, 72]):
        track.play("lead", note, step * 0.5, 0.6 if step < 3 else 2.5, 0.2)
    for note in (48, 55, 64, 72):
        track.play("pad", note, 2, 2, 0.1)
    return track


MUSIC = [
    # (event name, file name, maker, loops)
    ("IntroSequence", "IntroSequence.wav", lambda: music_intro().samples(), False),
    ("IntroPanSequence", "IntroPanSequence.wav", music_intro_pan, False),
    ("MenuMusic", "MenuMusic.wav", lambda: music_menu().samples(), True),
    ("AmbientTracks", "AmbientTracks.wav", lambda: music_ambient().samples(), True),
    ("BattleMusic", "BattleMusic.wav", lambda: music_battle().samples(), True),
    ("BossMusic", "BossMusic.wav", lambda: music_boss().samples(), True),
    ("Credits", "Credits.wav", lambda: music_credits().samples(), True),
    ("Death", "Death.wav", lambda: music_death().samples(), False),
    ("Win!", "Win.wav", lambda: music_win().samples(), False),
]


# --------------------------------------------------------------------------------------------
# Banks and the sound list

def write_bank(name, value):
    # A bank keeps its keys in the order written (an event's id and sample first); only the game
    # reads it.
    write_text(SOUNDS + name, json.dumps(value, indent=3) + "\n")


def catalogue_lines():
    missing = [name for name, _, _ in EFFECTS if name not in DESCRIPTIONS] + \
        [name for name, _, _, _ in MUSIC if name not in DESCRIPTIONS]
    assert not missing, "events without a description: %s" % missing
    lines = ["## Sounds", "", "Every path below is in Assets/SoundResources.txt and the bank. A path the list lacks "
             "plays the pistol shot.", "", "| path | what |", "|---|---|"]
    lines += ["| event:/SFX/%s | %s |" % (name, DESCRIPTIONS[name]) for name, _, _ in EFFECTS]
    lines += ["| event:/Music/%s | %s |" % (name, DESCRIPTIONS[name]) for name, _, _, _ in MUSIC]
    return lines + [""]


def make(job):
    """One event's 16-bit samples and the bank members its maker adds; `job` is ("SFX", index into
    EFFECTS) or ("Music", index into MUSIC)."""
    kind, index = job
    if kind == "Music":
        return sixteen_bit(MUSIC[index][2]()), {}
    made = EFFECTS[index][2]()
    samples, extra = made if isinstance(made, tuple) else (made, {})
    return sixteen_bit(samples), extra


def make_all():
    """Every event's samples and extra members, by job, made in a few processes."""
    # The music first: the longest tracks start at once instead of last.
    jobs = [("Music", index) for index in range(len(MUSIC))] + [("SFX", index) for index in range(len(EFFECTS))]
    # The workers find `make` by its module's name, which this file has only when imported (run as
    # a script it is "__main__", or no importable module at all when another script runs it).
    import make_sounds
    with multiprocessing.get_context("fork").Pool(min(4, os.cpu_count() or 1)) as pool:
        return dict(zip(jobs, pool.map(make_sounds.make, jobs, chunksize=1)))


def main():
    events, strings, paths = [], [], []
    total_seconds = 0.0
    made = make_all()

    def register(path, file_name, extra):
        event_id = "{%04d}" % (len(events) + 1)
        entry = {"id": event_id, "sample": "Samples/" + file_name}
        entry.update(extra)
        events.append(entry)
        strings.append({"path": path, "id": event_id})
        paths.append(path)

    for index, (name, file_name, _) in enumerate(EFFECTS):
        data, extra = made[("SFX", index)]
        write_wave(file_name, data, EFFECT_RATE)
        total_seconds += len(data) / 2 / EFFECT_RATE
        register("event:/SFX/" + name, file_name, dict({"fadeOut": 0.1, "volume": 0.6}, **extra))
    for index, (name, file_name, _, loops) in enumerate(MUSIC):
        data, _ = made[("Music", index)]
        write_wave(file_name, data, MUSIC_RATE)
        total_seconds += len(data) / 2 / MUSIC_RATE
        # Music streams: its sample is held only while a track plays. The long fade-out is the
        # one a transition sting plays over.
        register("event:/Music/" + name, file_name, {"loop": loops, "fadeOut": 1.5, "stream": True, "volume": 0.7})

    write_bank("Master Bank.bank", {"format": BANK_FORMAT, "version": 1, "events": events})
    write_bank("Master Bank.strings.bank", {"format": BANK_FORMAT, "version": 1, "strings": strings})
    write_text("Assets/SoundResources.txt", "\n".join(paths) + "\n")
    replace_section("sounds", catalogue_lines())
    print("%d events, %.1f seconds of sound" % (len(events), total_seconds))


if __name__ == "__main__":
    main()
