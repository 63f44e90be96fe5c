#!/usr/bin/env python3
"""Works out the expected particles of a seeded Basic launch, frame by frame,
straight from the model's rules, independently of the C++ code. Its output is
what BasicLaunchTest.cpp checks against; run it again after a change to the
rules and paste the new table in.

    python3 tests/fireworks/basic_launch.py
"""
import copy
import math

SEED = 20261208
WIDTH, HEIGHT = 640, 480
FRAMES = (1, 11, 56, 57)  # thrust ends at 11, the burst comes at 56

# ---- the program's one random generator --------------------------------
seed = SEED


def step_seed():
    global seed
    seed = (seed * 134775813 + 1) % 2**32


def U():  # uniform real in [0, 1)
    step_seed()
    return seed / 2**32


def Random(n):  # uniform integer in 0..n-1
    step_seed()
    return (seed * n) >> 32


def Half(x):
    return U() * x - x / 2


def Sym(x):
    return x - 2 * U() * x


# ---- vectors -------------------------------------------------------------
def length(v):
    return math.sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2])


def unit(v):
    n = length(v) or 1e-99
    return [c / n for c in v]


def rad(deg):
    return deg * math.pi / 180


# ---- particles -----------------------------------------------------------
def particle(**fields):
    p = dict(mass=0.0, pos=[0.0, 0.0, 0.0], vel=[0.0, 0.0, 0.0], thrust=[0.0, 0.0, 0.0],
             radius=0.0, color=(0, 0, 0), bounces=0, jitter=0.0, life=0.0,
             stages=[[0.0, (0, 0, 0)] for _ in range(6)], burst_color=(0, 0, 0),
             burst_stages=[[0.0, (0, 0, 0)] for _ in range(6)], spherical=False,
             star_count=0, fuse=0.0, star_jitter=0.0, burst_speed=0.0, burst_range=0.0)
    p.update(fields)
    return p


blue_purple = [[0.6, c] for c in [(0, 0, 255), (51, 0, 255), (102, 0, 255), (153, 0, 255),
                                  (204, 0, 255), (255, 0, 255)]]
basic = particle(mass=1.0, pos=[200.0, 2.0, 0.0], launch_force=88.0, launch_angle=8.0,
                 radius=0.1, color=(0, 0, 255), jitter=2.0, life=10.0,
                 stages=[[1.0, (255, 0, 0)]] + [[0.0, (255, 0, 0)] for _ in range(5)],
                 burst_color=(255, 0, 255), burst_stages=blue_purple, spherical=True,
                 star_count=35, fuse=5.5, star_jitter=1.0, burst_speed=30.0, burst_range=2.0)

rockets = []


def paint():
    # Only the twinkle decision draws: one number per particle under 8 s of life.
    for p in rockets:
        if p['life'] < 8.0:
            Random(70)


def launch(record):
    r = copy.deepcopy(record)
    r['pos'][0] = WIDTH // 2
    theta = rad(Sym(r['launch_angle']))
    r['thrust'] = [r['launch_force'] * math.sin(theta), r['launch_force'] * math.cos(theta), 0.0]
    rockets.append(r)
    paint()


def burst(shell):
    m = k = round(math.sqrt(shell['star_count'])) + 1
    for i in range(m):
        for j in range(k):
            speed = U() * shell['burst_range'] + shell['burst_speed']
            a, b = rad(i * (360 / m)), rad(j * (360 / k))
            kick = [speed * math.sin(a), speed * math.cos(a) * math.cos(b),
                    -speed * math.cos(a) * math.sin(b)]
            star = particle(mass=0.05, radius=0.05, color=shell['burst_color'],
                            jitter=shell['star_jitter'],
                            stages=copy.deepcopy(shell['burst_stages']),
                            pos=list(shell['pos']),
                            vel=[shell['vel'][n] + kick[n] for n in range(3)],
                            fuse=shell['fuse'])
            star['life'] = Random(5) - 2.5 + 10
            rockets.append(star)


def emit_spark(emitter, color):
    offset = [Half(0.0), Half(0.0), Half(0.0)]
    spark = particle(mass=0.0001, radius=0.01, jitter=2.0, color=color,
                     pos=[emitter['pos'][n] + offset[n] for n in range(3)],
                     vel=list(emitter['vel']))
    spark['life'] = Half(5.0) + 10.0
    rockets.append(spark)


def update(p, dt):
    live = [s for s in p['stages'] if s[0] > 0]
    stage = live[0] if live else p['stages'][0]
    if stage[0] > 0:
        stage[0] -= dt
        if stage[0] <= 0:
            stage[0] = 0.0
            p['thrust'] = [0.0, 0.0, 0.0]
    burns, trail = stage[0] > 0, stage[1]
    burst_now = False
    if p['fuse'] > 0:
        p['fuse'] -= dt
        if p['fuse'] <= 0:
            burst_now = True
            p['color'] = (128, 128, 128)
            p['mass'] /= 2
            p['radius'] /= 2
    shell = copy.deepcopy(p)
    if burst_now:
        burst(shell)
    if burns:
        emit_spark(shell, trail)


def integrate(p, dt):
    v = [p['vel'][n] + (U() - 0.5) * p['jitter'] for n in range(3)]
    area = math.pi * p['radius'] ** 2
    s = length(v)
    drag = [c * (s * s * 0.6465 * area * 0.08) / p['mass'] for c in unit(v)]
    r = [0.0, p['pos'][1], p['pos'][2]]  # the body sits at (x, 0, 0)
    d = length(r) + 6378160.0 + p['radius']
    pull = 6.67e-11 * 5.8e24 * p['mass'] / (d * d)
    gravity = [-c * pull / p['mass'] for c in unit(r)]
    acc = [gravity[n] - drag[n] + p['thrust'][n] / p['mass'] for n in range(3)]
    p['vel'] = [v[n] + acc[n] * dt for n in range(3)]
    p['pos'] = [p['pos'][n] + p['vel'][n] * dt for n in range(3)]


def advance():
    global rockets
    dt = 0.1
    for i in range(len(rockets) - 1, -1, -1):
        update(rockets[i], dt)
    kept = []
    for p in rockets:
        if p['life'] > 0:
            p['life'] -= dt
            if p['life'] <= 0:
                continue
        kept.append(p)
    rockets = kept
    for p in rockets:
        integrate(p, dt)
    paint()
    kept = []
    for p in rockets:
        if p['pos'][1] < 0:
            p['bounces'] += 1
            p['vel'][1] = -p['vel'][1] / 4
            p['pos'][1] = 0.0
            if p['bounces'] > 1:
                continue
        kept.append(p)
    rockets = kept


def show(frame):
    picks = sorted({0, 1, len(rockets) - 1})
    for i in picks:
        p = rockets[i]
        print('    {%d, %d, %d, {%r, %r, %r}, {%r, %r, %r}, %r, 0x%02x%02x%02x, %d},' %
              (frame, len(rockets), i, *p['pos'], *p['vel'], p['life'], *p['color'], p['bounces']))


launch(basic)
print('// frame, count, index, position, velocity, life, colour, bounces')
for frame in range(1, max(FRAMES) + 1):
    advance()
    if frame in FRAMES:
        show(frame)
print('// seed after frame %d: %d' % (max(FRAMES), seed))
