#!/usr/bin/python3
"""Independent strain-compatibility computations behind the section engine tests.

Shares no code with the engine: the concrete curve (Hognestad parabola to eps0 = 1.7 f'c/Ec,
Ec = 57000 sqrt(f'c) psi, then a straight line to 0.85 f'c at 0.0038, no tension once the
extreme fibre has cracked) and the elastic, perfectly plastic steel are integrated over the
section with fine strips; bars are points at their centres. Units: kips, inches, ksi.

    /usr/bin/python3 tests/sections/section_reference.py
"""
import math


def concrete(eps, fc):
    ec = 57.0 * math.sqrt(1000.0 * fc)
    eps0 = 1.7 * fc / ec
    if eps <= 0.0:
        return 0.0
    if eps <= 0.0038:
        r = eps / eps0
        if r < 1.0:
            return fc * (2.0 * r - r * r)
        return fc - 0.15 * fc * (eps - eps0) / (0.0038 - eps0)
    return 0.001


def steel(eps, es, fy):
    return max(-fy, min(fy, es * eps))


def strips_rect(b, h, n=20000):
    dy = h / n
    return [((i + 0.5) * dy, b * dy) for i in range(n)]  # (depth from the top, area)


def strips_circle(d, n=20000):
    r = d / 2.0
    dy = d / n
    out = []
    for i in range(n):
        depth = (i + 0.5) * dy
        y = r - depth
        out.append((depth, 2.0 * math.sqrt(max(r * r - y * y, 0.0)) * dy))
    return out


def force_moment(c, eps_top, strips, bars, h, fc, es, fy):
    """Axial force and moment about mid-depth with the compression face at eps_top."""
    phi = eps_top / c
    n = m = 0.0
    for depth, area in strips:
        f = concrete((c - depth) * phi, fc) * area
        n += f
        m += f * (h / 2.0 - depth)
    for depth, area in bars:
        f = steel((c - depth) * phi, es, fy) * area
        # the bar displaces concrete
        f -= concrete((c - depth) * phi, fc) * area
        n += f
        m += f * (h / 2.0 - depth)
    return n, m


def nominal_moment(strips, bars, h, fc, es, fy, p=0.0):
    lo, hi = 0.01 * h, 2.0 * h
    for _ in range(200):
        c = 0.5 * (lo + hi)
        n, _ = force_moment(c, 0.003, strips, bars, h, fc, es, fy)
        if n > p:
            hi = c
        else:
            lo = c
    c = 0.5 * (lo + hi)
    return c, force_moment(c, 0.003, strips, bars, h, fc, es, fy)[1]


def rectangular():
    # 12 x 20 in, three #8 bars (0.79 sq. in) at d = 17.5 in, f'c = 4 ksi, fy = 60 ksi.
    b, h, fc, es, fy = 12.0, 20.0, 4.0, 29000.0, 60.0
    bars = [(17.5, 3 * 0.79)]
    c, mn = nominal_moment(strips_rect(b, h), bars, h, fc, es, fy)
    a = 3 * 0.79 * fy / (0.85 * fc * b)
    whitney = 3 * 0.79 * fy * (17.5 - a / 2.0)
    print(f"rectangular: c = {c:.4f} in, Mn = {mn:.2f} kip-in; Whitney block Mn = {whitney:.2f}")


def circular(p):
    # 36-in shaft, 24 #8 bars (0.79 sq. in, 1.0 in) on a 14.5-in radius, f'c = 4, fy = 60.
    d, fc, es, fy = 36.0, 4.0, 29000.0, 60.0
    bars = [(d / 2.0 - 14.5 * math.sin(2.0 * math.pi * j / 24), 0.79) for j in range(24)]
    c, mn = nominal_moment(strips_circle(d), bars, d, fc, es, fy, p)
    print(f"circular, P = {p:.0f} kips: c = {c:.4f} in, Mn = {mn:.1f} kip-in")


def first_point_ei():
    # The uncracked 12 x 20 in section at the first curvature 1.25e-6 /in: the concrete
    # secant of the parabola in compression and its mirror in tension, bars elastic; the
    # neutral axis from the equilibrium of the forces (P = 0).
    b, h, fc, es = 12.0, 20.0, 4.0, 29000.0
    ec = 57.0 * math.sqrt(4000.0)
    eps0 = 1.7 * fc / ec
    phi = 1.25e-6
    strips = strips_rect(b, h)
    bars = [(17.5, 3 * 0.79)]

    def parabola(eps):
        r = abs(eps) / eps0
        return math.copysign(fc * (2.0 * r - r * r), eps)

    def force_moment_at(c):
        n = m = 0.0
        for depth, area in strips:
            f = parabola((c - depth) * phi) * area
            n += f
            m += f * (h / 2.0 - depth)
        for depth, area in bars:
            eps = (c - depth) * phi
            f = (es * eps - parabola(eps)) * area
            n += f
            m += f * (h / 2.0 - depth)
        return n, m

    lo, hi = 0.0, h
    for _ in range(200):
        c = 0.5 * (lo + hi)
        if force_moment_at(c)[0] > 0.0:
            hi = c
        else:
            lo = c
    m = force_moment_at(0.5 * (lo + hi))[1]
    # Transformed section with the initial tangent 2 f'c / eps0 of the parabola.
    et = 2.0 * fc / eps0
    n_extra = (es / et - 1.0) * 3 * 0.79
    ybar = (b * h * h / 2.0 + n_extra * 17.5) / (b * h + n_extra)
    itr = b * h ** 3 / 12.0 + b * h * (ybar - h / 2.0) ** 2 + n_extra * (17.5 - ybar) ** 2
    print(f"first point: neutral axis {0.5 * (lo + hi):.4f} in, EI = {m / phi:.5e} kip-in2 "
          f"(secant); transformed: centroid {ybar:.4f} in, Et Itr = {et * itr:.5e}")


def pipe(phi):
    # 24 x 0.5 in pipe, fy = 36 ksi, E = 29000 ksi, at curvature phi (1/in).
    d, t, fy, e = 24.0, 0.5, 36.0, 29000.0
    n = 200000
    m = 0.0
    for i in range(n):
        th = (i + 0.5) * 2.0 * math.pi / n
        for rr, w in ((d / 2.0 - t * (k + 0.5) / 20.0, t / 20.0) for k in range(20)):
            y = rr * math.sin(th)
            m += steel(y * phi, e, fy) * rr * w * (2.0 * math.pi / n) * y
    z = (d ** 3 - (d - 2.0 * t) ** 3) / 6.0
    print(f"pipe at phi = {phi:.6e}: M = {m:.1f} kip-in; Z fy = {z * fy:.1f}")


if __name__ == "__main__":
    rectangular()
    circular(0.0)
    circular(1000.0)
    first_point_ei()
    pipe(5.253879e-04)
