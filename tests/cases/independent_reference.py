#!/usr/bin/env python3
"""An independent computation of the pile-head response of the end-to-end cases.

It shares nothing with the engine: the pile is a string of Hermite-cubic beam elements (not
finite differences), the soil a spring at every node with the tributary length of the node,
and the soil modulus is found by secant iteration on p-y curves written here from the
published criteria (Matlock 1970 soft clay; Reese, Cox and Koop 1974 sand; API RP-2A sand;
Reese, Cox and Koop 1975 and Welch and Reese 1972 stiff clays; a linear subgrade; Reese 1997
weak rock; Rollins et al. 2005 liquefied sand). With 2000
elements the discretisation error is far below the iteration tolerance, so a value of the
engine (100 increments) within a fraction of a percent of this one confirms the whole chain
(input, units, curves, solver) independently.

Units are the engine's internal ones: inches, pounds (US customary). Run it with the case
name to print the head deflection and the maximum moment of every load case:

    python3 tests/cases/independent_reference.py soft_clay_pipe_pile
"""

import math
import struct
import sys


# ---- p-y curves: p (lb/in) at deflection y (in, y >= 0) for a node at depth z (in) ----

def soft_clay_static(c, gamma, eps50, b, z, J=0.5):
    """Matlock static curve: 0.5 pu (y/y50)^(1/3) up to 8 y50, pu beyond."""
    np_ = min(3.0 + gamma * z / c + J * z / b, 9.0)
    pu = np_ * c * b
    y50 = 2.5 * eps50 * b

    def p(y):
        return pu if y > 8.0 * y50 else 0.5 * pu * (y / y50) ** (1.0 / 3.0)
    return p


SAND_RATIOS = [0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0]
SAND_A_STATIC = [2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88]
SAND_A_CYCLIC = [0.75, 0.93, 1.07, 1.11, 1.03, 0.98, 0.94, 0.90, 0.88, 0.88]
SAND_B_STATIC = [2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50]
SAND_B_CYCLIC = [0.53, 0.72, 0.83, 0.86, 0.82, 0.77, 0.70, 0.55, 0.55, 0.55]


def table(values, r):
    """Reese, Cox and Koop's factors A and B read from their figure at z/b = r."""
    if r >= SAND_RATIOS[-1]:
        return values[-1]
    for k in range(1, len(SAND_RATIOS)):
        if r <= SAND_RATIOS[k]:
            r0, r1 = SAND_RATIOS[k - 1], SAND_RATIOS[k]
            return values[k - 1] + (values[k] - values[k - 1]) * (r - r0) / (r1 - r0)
    return values[-1]


def sand_resistances(phi_deg, gamma, b, z):
    """Wedge and flow-around resistance of sand on level ground (Reese, Cox and Koop)."""
    phi = math.radians(phi_deg)
    alpha = phi / 2.0
    beta = math.pi / 4.0 + phi / 2.0
    k0 = 0.4
    ka = math.tan(math.pi / 4.0 - phi / 2.0) ** 2
    tb = math.tan(beta)
    pst = gamma * z * (k0 * z * math.tan(phi) * math.sin(beta)
                       / (math.tan(beta - phi) * math.cos(alpha))
                       + tb / math.tan(beta - phi) * (b + z * tb * math.tan(alpha))
                       + k0 * z * tb * (math.tan(phi) * math.sin(beta) - math.tan(alpha))
                       - ka * b)
    psd = ka * b * gamma * z * (tb ** 8 - 1.0) + k0 * b * gamma * z * math.tan(phi) * tb ** 4
    return pst, psd


def sand_reese(phi_deg, gamma, k, b, z, cyclic=False):
    """Reese sand: k z y, then C y^(1/n), a straight line to (yu, pu), and pu."""
    pst, psd = sand_resistances(phi_deg, gamma, b, z)
    ps = min(pst, psd)
    a = table(SAND_A_CYCLIC if cyclic else SAND_A_STATIC, z / b)
    bb = table(SAND_B_CYCLIC if cyclic else SAND_B_STATIC, z / b)
    pu, pm = a * ps, bb * ps
    yu, ym = 3.0 * b / 80.0, b / 60.0
    m = (pu - pm) / (yu - ym)
    kz = k * z

    def p(y):
        if z <= 0.0:
            return 0.0
        n = pm / (m * ym)
        c = pm / ym ** (1.0 / n)
        if y <= ym:
            q = c * y ** (1.0 / n)
        elif y <= yu:
            q = pm + m * (y - ym)
        else:
            q = pu
        return min(q, kz * y)
    return p


def api_sand(phi_deg, gamma, k, b, z, cyclic=False):
    """API RP-2A sand: A pu tanh(k z y / (A pu))."""
    phi = math.radians(phi_deg)
    alpha = phi / 2.0
    beta = math.pi / 4.0 + alpha
    k0 = 0.4
    ka = math.tan(math.pi / 4.0 - alpha) ** 2
    tb = math.tan(beta)
    c1 = tb * (k0 * (math.tan(phi) * math.sin(beta) * (1.0 / math.cos(alpha) + 1.0)
                     - math.tan(alpha)) + math.tan(alpha) * tb ** 2)
    c2 = tb ** 2 - ka
    c3 = tb ** 4 * (k0 * math.tan(phi) + tb ** 2) - ka
    pu = min((c1 * z + c2 * b) * gamma * z, c3 * z * b * gamma)
    a = 0.9 if cyclic else max(0.9, 3.0 - 0.8 * z / b)
    apu = a * pu

    def p(y):
        return 0.0 if z < 1e-10 else apu * math.tanh(k * z * y / apu)
    return p


def stiff_clay_free_water_static(c, ca, gamma, eps50, k, b, z):
    """Reese, Cox and Koop (1975) static curve, capped by the initial line k z y."""
    r = z / b
    a_s = 0.2345 + 0.2958796 * r - 0.0786111 * r ** 2 + 0.0068981 * r ** 3
    if r > 3.3 or a_s > 0.6:
        a_s = 0.6
    pct = (gamma * b + 2.83 * ca) * z + 2.0 * ca * b
    pc = min(pct, 11.0 * c * b)
    y50 = eps50 * b

    def p(y):
        if y <= a_s * y50:
            q = 0.5 * pc * math.sqrt(y / y50)
        elif y <= 6.0 * a_s * y50:
            q = pc * (0.5 * math.sqrt(y / y50) - 0.055 * (y / (a_s * y50) - 1.0) ** 1.25)
        elif y <= 18.0 * a_s * y50:
            q = (0.5 * pc * math.sqrt(6.0 * a_s) - 0.411 * pc
                 - 0.0625 * pc * (y - 6.0 * a_s * y50) / y50)
        else:
            q = 0.5 * pc * math.sqrt(6.0 * a_s) - 0.75 * a_s * pc - 0.411 * pc
        return min(q, k * z * y)
    return p


def stiff_clay_no_free_water_static(c, gamma, eps50, b, z, k=None):
    """Welch and Reese (1972): 0.5 pu (y/y50)^0.25 up to 16 y50 (y50 = 2.5 e50 b), pu beyond;
    with k, the quarter-power part is capped by k z y."""
    pu = min((gamma * b + 0.5 * c) * z + 3.0 * b * c, 9.0 * b * c)
    y50 = 2.5 * eps50 * b

    def p(y):
        if y > 16.0 * y50:
            return pu
        q = 0.5 * pu * (y / y50) ** 0.25
        return q if k is None else min(q, k * z * y)
    return p


def piedmont(es0, b):
    """Piedmont residual soil: Es0 b y, then the logarithmic branch, then a plateau."""
    y1, y2 = 0.001 * b, 0.0375 * b

    def p(y):
        if y < y1:
            return es0 * b * y
        if y < y2:
            return es0 * b * y * (1.0 - math.log(1000.0 * y / b) / (1.0 + math.log(37.5)))
        return 0.21632074 * es0 * b * y2
    return p


def weak_rock(qu, em, rqd, krm, b, xr):
    """Reese (1997) interim weak rock curve: Kir y up to yA, 0.5 pur (y/yrm)^0.25 up to pur.
    xr is the depth into rock; qu and em in psi, b in inches."""
    alpha = 1.0 - rqd / 150.0
    if xr <= 3.0 * b:
        pur = alpha * qu * b * (1.0 + 1.4 * xr / b)
        kir = em * (100.0 + 400.0 * xr / (3.0 * b))
    else:
        pur = 5.2 * alpha * qu * b
        kir = 500.0 * em
    yrm = krm * b
    ya = (pur / (2.0 * yrm ** 0.25 * kir)) ** 1.333  # the criterion's published exponent

    def p(y):
        return kir * y if y < ya else min(0.5 * pur * (y / yrm) ** 0.25, pur)
    return p


def liquefied_sand_us(b, z_in):
    """Rollins et al. (2005) in their units (y in mm, p in kN/m, depth and width in m),
    converted for inches and lb/in; first layer: the depth is the depth below the ground."""
    zm, bm = 0.0254 * z_in, 0.0254 * b
    a = 3.0e-7 * (zm + 1.0) ** 6.05
    bb = 2.80 * (zm + 1.0) ** 0.11
    c = 2.85 * (zm + 1.0) ** -0.41
    pd = 3.81 * math.log(bm) + 5.6
    lb_per_in_per_kn_per_m = 1000.0 / 4.4482216 * 0.0254  # 1 kN/m = 5.7101 lb/in
    pl = min(15.0, a * (150.0 * bb) ** c * pd) * lb_per_in_per_kn_per_m

    def p(y):
        return min(a * (bb * 25.4 * y) ** c * pd * lb_per_in_per_kn_per_m, pl)
    return p, pl


def polyline(points):
    """A user curve: straight lines through (y, p) points, constant beyond the last."""
    def p(y):
        if y >= points[-1][0]:
            return points[-1][1]
        for (y0, p0), (y1, p1) in zip(points, points[1:]):
            if y <= y1:
                return p0 + (y - y0) * (p1 - p0) / (y1 - y0)
        return points[-1][1]
    return p


def linear_subgrade(es):
    """p = Es y (Es in lb/in**2, already multiplied by the width)."""
    return lambda y: es * y


# ---- the beam on springs ----

def solve_banded_spd(a, rhs, half):
    """Solve a symmetric banded system stored as full rows of a dict-of-lists band."""
    n = len(rhs)
    # Gaussian elimination without pivoting (the matrix is positive definite).
    for k in range(n):
        piv = a[k][k]
        for i in range(k + 1, min(n, k + half + 1)):
            f = a[i].get(k, 0.0) / piv
            if f == 0.0:
                continue
            for j in range(k, min(n, k + half + 1)):
                a[i][j] = a[i].get(j, 0.0) - f * a[k].get(j, 0.0)
            rhs[i] -= f * rhs[k]
    x = [0.0] * n
    for i in range(n - 1, -1, -1):
        s = rhs[i]
        for j in range(i + 1, min(n, i + half + 1)):
            s -= a[i].get(j, 0.0) * x[j]
        x[i] = s / a[i][i]
    return x


def pile_head_solution(length, ei, curves_at, shear, moment, head="free", elements=2000,
                       tolerance=1.0e-7, max_iterations=500):
    """Pile of constant EI with a free tip, loaded at its head.

    head "free": shear and moment applied; "fixed": shear applied, head rotation 0;
    "restrained": moment applied, head deflection 0. curves_at(x) returns the p-y curve of
    the node at depth x. Returns a dict: head deflection y0, head rotation theta0, maximum
    |moment| mmax, and the magnitudes of the reactions at the head, moment_reaction (fixed)
    and shear_reaction (restrained), from the end forces of the first element."""
    n = elements
    h = length / n
    xs = [i * h for i in range(n + 1)]
    curves = [curves_at(x) for x in xs]
    trib = [h] * (n + 1)
    trib[0] = trib[n] = h / 2.0
    y = [0.01] * (n + 1)
    es = [0.0] * (n + 1)
    k_el = [[12.0, 6.0 * h, -12.0, 6.0 * h],
            [6.0 * h, 4.0 * h * h, -6.0 * h, 2.0 * h * h],
            [-12.0, -6.0 * h, 12.0, -6.0 * h],
            [6.0 * h, 2.0 * h * h, -6.0 * h, 4.0 * h * h]]
    f = ei / h ** 3
    # The head degree of freedom held at zero: the rotation of a fixed head, the deflection
    # of a restrained one.
    held = {"free": None, "fixed": 1, "restrained": 0}[head]
    for _ in range(max_iterations):
        for i in range(n + 1):
            yy = max(abs(y[i]), 1.0e-9)
            es[i] = curves[i](yy) / yy
        dof = 2 * (n + 1)
        a = [dict() for _ in range(dof)]
        for e in range(n):
            d = [2 * e, 2 * e + 1, 2 * e + 2, 2 * e + 3]
            for r in range(4):
                for s in range(4):
                    a[d[r]][d[s]] = a[d[r]].get(d[s], 0.0) + f * k_el[r][s]
        for i in range(n + 1):
            a[2 * i][2 * i] += es[i] * trib[i]
        rhs = [0.0] * dof
        rhs[0] = shear
        # The engine's moment is positive when it bends the head towards the shear; a
        # rotation positive towards +y at depth gives the same sign here.
        rhs[1] = -moment
        if held is not None:
            for i in range(4):
                a[i].pop(held, None)
            a[held] = {held: 1.0}
            rhs[held] = 0.0
        sol = solve_banded_spd(a, rhs, 3)
        new_y = sol[0::2]
        change = max(abs(new_y[i] - y[i]) for i in range(n + 1))
        y = new_y
        if change < tolerance:
            break
    theta = sol[1::2]
    mmax = 0.0
    for e in range(n):
        # End moments of each element from its stiffness (curvature at both ends).
        y1, t1, y2, t2 = y[e], theta[e], y[e + 1], theta[e + 1]
        m1 = ei / h ** 2 * (-6.0 * y1 - 4.0 * h * t1 + 6.0 * y2 - 2.0 * h * t2)
        m2 = ei / h ** 2 * (6.0 * y1 + 2.0 * h * t1 - 6.0 * y2 + 4.0 * h * t2)
        mmax = max(mmax, abs(m1), abs(m2))
    u = [y[0], theta[0], y[1], theta[1]]
    end_force = [f * sum(k_el[r][c] * u[c] for c in range(4)) for r in range(2)]
    return {"y0": y[0], "theta0": theta[0], "mmax": mmax,
            "shear_reaction": abs(end_force[0] + es[0] * trib[0] * y[0]),
            "moment_reaction": abs(end_force[1])}


def pile_head_response(length, ei, curves_at, shear, moment, elements=2000,
                       tolerance=1.0e-7, max_iterations=500):
    """Free-headed pile: (head deflection, maximum |moment|) of pile_head_solution."""
    r = pile_head_solution(length, ei, curves_at, shear, moment, "free", elements, tolerance,
                           max_iterations)
    return r["y0"], r["mmax"]


# ---- the cases ----

def linear(top, bottom, depth_top, depth_bottom, x):
    return top + (bottom - top) * (x - depth_top) / (depth_bottom - depth_top)


def soft_clay_pipe_pile():
    """examples/elastic_pipe_pile_soft_clay.inp: 24 in pipe, I = 2549.3 in**4, 60 ft long,
    in soft clay c = 300 psf at 0 to 1000 psf at 70 ft, e50 0.02 to 0.01, 55 pcf."""
    ei = 29.0e6 * 2549.3
    gamma = 55.0 / 1728.0

    def curves_at(x):
        c = linear(300.0, 1000.0, 0.0, 840.0, x) / 144.0
        eps50 = linear(0.02, 0.01, 0.0, 840.0, x)
        return soft_clay_static(c, gamma, eps50, 24.0, x)
    for shear in (10000.0, 20000.0):
        print("shear %8.0f lb: head deflection %.6f in, max moment %.1f in-lb"
              % ((shear,) + pile_head_response(720.0, ei, curves_at, shear, 0.0)))


PIPE_EI = 29.0e6 * 2549.3  # 24 in pipe, 0.5 in wall, lb-in**2


def sand_api_pipe_pile():
    """tests/cases/sand_api_pipe_pile.inp: API sand, phi 35, 57.6 pcf, default k (US
    customary: 1.209829E-7 phi^5.694468 pci for phi <= 40), shear 20 kips."""
    k = 1.209829e-7 * 35.0 ** 5.694468
    gamma = 57.6 / 1728.0
    y, m = pile_head_response(720.0, PIPE_EI, lambda x: api_sand(35.0, gamma, k, 24.0, x),
                              20000.0, 0.0, elements=600)
    print("shear 20000 lb: head deflection %.6f in, max moment %.0f in-lb" % (y, m))


def stiff_clay_no_free_water_bound():
    """tests/cases/stiff_clay_no_free_water_bound.inp: Welch and Reese static, c 1500 psf,
    60 pcf, e50 0.007; below y0 = 0.00002 b the modulus is the curve's secant at y0."""
    c, gamma, eps50, b = 1500.0 / 144.0, 60.0 / 1728.0, 0.007, 24.0
    y0 = 0.00002 * b

    def curves_at(x):
        curve = stiff_clay_no_free_water_static(c, gamma, eps50, b, x)
        secant_y0 = curve(y0) / y0
        return lambda y: secant_y0 * y if y < y0 else curve(y)
    y, m = pile_head_response(720.0, PIPE_EI, curves_at, 10000.0, 0.0, elements=1000)
    print("shear 10000 lb: head deflection %.7f in, max moment %.0f in-lb" % (y, m))


def sand_under_soft_clay():
    """tests/cases/sand_under_soft_clay.inp: soft clay (200 psf, 50 pcf, e50 0.02) to 60 in
    over Reese sand (phi 35, 57.6 pcf, k 100 pci); shear 5 kips; nodes every 7.2 in.

    The layering correction: the clay's ultimate resistance summed over its nodes (0 to 57.6
    in by trapezoids, plus pu h at its last node, as the clay criterion integrates it) is
    carried by the sand from the surface down to its equivalent depth, found here by
    bisection on a fine integral of the sand's shallow resistance A (C1 z + C2 b) g z."""
    h, b = 7.2, 24.0
    c, g_clay = 200.0 / 144.0, 50.0 / 1728.0
    g_sand = 57.6 / 1728.0

    def pu_clay(z):
        return min(3.0 + g_clay * z / c + 0.5 * z / b, 9.0) * c * b
    clay_nodes = [i * h for i in range(9)]  # 0 .. 57.6 in
    force = sum((pu_clay(a) + pu_clay(b_)) * h / 2.0 for a, b_ in zip(clay_nodes, clay_nodes[1:]))
    force += pu_clay(clay_nodes[-1]) * h
    # Mean unit weight from the surface at the first sand node (64.8 in).
    x1 = 64.8
    gamma = (g_clay * 60.0 + g_sand * (x1 - 60.0)) / x1
    phi = math.radians(35.0)
    alpha, beta = phi / 2.0, math.pi / 4.0 + phi / 2.0
    ka, kp, k0 = math.tan(math.pi / 4.0 - alpha) ** 2, math.tan(beta) ** 2, 0.4
    c1 = math.tan(beta) * (math.tan(alpha) * kp
                           + (math.sin(beta) * (1.0 / math.cos(alpha) + 1.0) * math.tan(phi)
                              - math.tan(alpha)) * k0)
    c2 = kp - ka

    def integral(zeq, steps=4000):
        d = zeq / steps
        total = 0.0
        for i in range(steps):
            z = (i + 0.5) * d
            total += table(SAND_A_STATIC, z / b) * (c1 * z + c2 * b) * gamma * z * d
        return total
    lo, hi = 0.0, 200.0
    for _ in range(60):
        mid = 0.5 * (lo + hi)
        lo, hi = (mid, hi) if integral(mid) < force else (lo, mid)
    zeq = 0.5 * (lo + hi)
    print("clay resistance %.1f lb, equivalent depth of the sand top %.3f in" % (force, zeq))

    def curves_at(x):
        if x <= 60.0:
            return soft_clay_static(c, g_clay, 0.02, b, x)
        gamma_x = (g_clay * 60.0 + g_sand * (x - 60.0)) / x
        return sand_reese(35.0, gamma_x, 100.0, b, x - 60.0 + zeq)
    y, m = pile_head_response(720.0, PIPE_EI, curves_at, 5000.0, 0.0, elements=100)
    print("shear 5000 lb: head deflection %.6f in, max moment %.0f in-lb" % (y, m))


def soft_clay_under_sand():
    """tests/cases/soft_clay_under_sand.inp: Reese sand (phi 32, 55 pcf, k 60 pci) to 60 in
    over soft clay (600 psf, 40 pcf, e50 0.01); shear 10 kips; nodes every 7.2 in.

    The sand's ultimate resistance A ps is summed over its nodes (0 to 57.6 in by trapezoids,
    plus its value times the 2.4 in left to the layer bottom, as the sand criterion integrates
    it); the clay carries that force from the surface down to its equivalent depth, found by
    bisection on the integral of Matlock's shallow resistance (3 c + g z + 0.5 c z / b) b."""
    h, b = 7.2, 24.0
    g_sand, g_clay = 55.0 / 1728.0, 40.0 / 1728.0
    c = 600.0 / 144.0

    def pu_sand(z):
        pst, psd = sand_resistances(32.0, g_sand, b, z)
        return table(SAND_A_STATIC, z / b) * min(pst, psd)
    sand_nodes = [i * h for i in range(9)]  # 0 .. 57.6 in
    force = sum((pu_sand(a) + pu_sand(b_)) * h / 2.0 for a, b_ in zip(sand_nodes, sand_nodes[1:]))
    force += pu_sand(sand_nodes[-1]) * (60.0 - sand_nodes[-1])
    x1 = 64.8  # first clay node: mean unit weight from the surface there
    gamma = (g_sand * 60.0 + g_clay * (x1 - 60.0)) / x1

    def integral(zeq, steps=4000):
        d = zeq / steps
        return sum(min((3.0 * c + gamma * z + 0.5 * c * z / b) * b, 9.0 * c * b) * d
                   for z in ((i + 0.5) * d for i in range(steps)))
    lo, hi = 0.0, 400.0
    for _ in range(60):
        mid = 0.5 * (lo + hi)
        lo, hi = (mid, hi) if integral(mid) < force else (lo, mid)
    zeq = 0.5 * (lo + hi)
    print("sand resistance %.1f lb, equivalent depth of the clay top %.3f in" % (force, zeq))

    def curves_at(x):
        if x <= 60.0:
            return sand_reese(32.0, g_sand, 60.0, b, x)
        gamma_x = (g_sand * 60.0 + g_clay * (x - 60.0)) / x
        return soft_clay_static(c, gamma_x, 0.01, b, x - 60.0 + zeq)
    y, m = pile_head_response(720.0, PIPE_EI, curves_at, 10000.0, 0.0, elements=100)
    print("shear 10000 lb: head deflection %.6f in, max moment %.0f in-lb" % (y, m))
    zeq_none = 60.0
    y0, _ = pile_head_response(
        720.0, PIPE_EI,
        lambda x: curves_at(x) if x <= 60.0 else soft_clay_static(
            c, (g_sand * 60.0 + g_clay * (x - 60.0)) / x, 0.01, b, x - 60.0 + zeq_none),
        10000.0, 0.0, elements=100)
    print("without the layering correction the head deflection would be %.6f in" % y0)


# ---- nonlinear bending stiffness: moment-curvature of a sliced section ----
#
# The concrete follows the Hognestad parabola to eps0 = 1.7 f'c / Ec (Ec = 57000 sqrt(f'c)
# psi), then a straight line to 0.85 f'c at 0.0038; in tension the mirror parabola, from the
# top down, until the first fibre whose stress passes the modulus of rupture (7.5 sqrt(f'c)
# psi, 4 sqrt(f'c) prestressed), every fibre below it then cracked, and none carrying tension
# once the extreme fibre is past the cracking strain. Bars are elastic-perfectly plastic
# points; strands follow the PCI 270 curve with the strain locked in by the prestress. The
# moment is taken about the mid-depth and kept from falling (the largest value so far).
# Units: kips, inches, ksi.

def concrete_constants(fc, prestressed):
    ec = 57.0 * math.sqrt(1000.0 * fc)
    eps0 = 1.7 * fc / ec
    fr = -(4.0 if prestressed else 7.5) * math.sqrt(1000.0 * fc) / 1000.0
    eps_cr = -(1.0 - math.sqrt(1.0 + fr / fc)) * eps0
    return ec, eps0, fr, eps_cr


def pci270(x):
    ax = abs(x)
    if ax <= 0.0086:
        return 28500.0 * x
    return math.copysign(min(270.0, 270.0 - 0.04 / (ax - 0.007)), x)


class Section:
    """Strips (depth below the compression face, width * thickness) of concrete and point
    bars (depth, area); `steel(eps)` is the bar curve at the bar's strain."""

    def __init__(self, depth, strips, bars, fc, steel, prestressed=False, eps_pc=0.0):
        self.depth, self.strips, self.bars, self.fc = depth, strips, bars, fc
        self.steel, self.eps_pc = steel, eps_pc
        self.ec, self.eps0, self.fr, self.eps_cr = concrete_constants(fc, prestressed)

    def concrete(self, eps, cracked):
        fc, eps0 = self.fc, self.eps0
        if eps > 0.0:
            if eps > 0.0038:
                return 0.001, cracked
            r = eps / eps0
            return (fc * (2.0 * r - r * r) if r < 1.0
                    else fc - 0.15 * fc * (eps - eps0) / (0.0038 - eps0)), cracked
        if cracked:
            return 0.0, True
        r = abs(eps) / eps0
        sigma = -fc * (2.0 * r - r * r)
        return (0.0, True) if sigma < self.fr else (sigma, False)

    def force_moment(self, phi, c):
        cracked = (c - self.depth) * phi + self.eps_pc < self.eps_cr
        n = m = 0.0
        for d, a in self.strips:  # from the top down
            sigma, cracked = self.concrete((c - d) * phi, cracked)
            n += sigma * a
            m += sigma * a * (self.depth / 2.0 - d)
        for d, a in self.bars:  # the bar replaces the concrete at its place
            eps = (c - d) * phi
            f = (self.steel(eps) - self.concrete(eps, cracked)[0]) * a
            n += f
            m += f * (self.depth / 2.0 - d)
        return n, m

    def moment(self, phi, p):
        """Moment at curvature phi under thrust p: the neutral axis by bisection, between a
        section all in tension and a compression face at the crushing strain (beyond it the
        concrete force falls again)."""
        lo, hi = -50.0 * self.depth, 0.0038 / phi
        for _ in range(64):
            c = 0.5 * (lo + hi)
            if self.force_moment(phi, c)[0] > p:
                hi = c
            else:
                lo = c
        c = 0.5 * (lo + hi)
        return self.force_moment(phi, c)[1], self.eps_pc + phi * c


def moment_curvature(section, p, phi_first, phi_max, points=300):
    """(phi, M) from phi_first (the engine's first curvature step, where its tables start:
    below it the first point's EI applies) to phi_max or the crushing strain, on a grid that
    is finest near the start, where cracking bends the curve."""
    curve = [(0.0, 0.0)]
    largest = 0.0
    for i in range(points + 1):
        phi = phi_first + (phi_max - phi_first) * (i / points) ** 2
        m, eps_top = section.moment(phi, p)
        largest = max(largest, m)
        curve.append((phi, largest))
        if eps_top >= 0.0038:
            break
    return curve


def secant_ei(curve, phi):
    """M(phi) / phi by linear interpolation on the curve (kip-in**2)."""
    phi = max(phi, curve[1][0] * 1e-3)
    for (p0, m0), (p1, m1) in zip(curve, curve[1:]):
        if phi <= p1:
            m = m0 + (m1 - m0) * (phi - p0) / (p1 - p0)
            return m / phi
    return curve[-1][1] / phi


def drilled_shaft_section():
    """36-in shaft, f'c 4 ksi, 12 #9 bars (1.0 sq. in, 1.128 in) with 3 in cover, fy 60."""
    d, n = 36.0, 720
    dy = d / n
    strips = []
    for i in range(n):
        depth = (i + 0.5) * dy
        y = d / 2.0 - depth
        strips.append((depth, 2.0 * math.sqrt(max(d * d / 4.0 - y * y, 0.0)) * dy))
    radius = (d - 1.128) / 2.0 - 3.0
    bars = [(d / 2.0 - radius * math.sin(2.0 * math.pi * j / 12), 1.0) for j in range(12)]
    # the bars displace their area of concrete: as point bars carrying (steel - concrete)
    section = Section(d, strips, bars, 4.0, lambda e: max(-60.0, min(60.0, 29000.0 * e)))
    return section


def pile_head_response_nonlinear(length, curve, thrust, curves_at, shear, elements=400,
                                 tolerance=1.0e-7, max_iterations=400):
    """As pile_head_response, with the EI of each element the secant of the moment-curvature
    curve at the element's curvature (kip-in**2 -> lb-in**2) and the axial thrust (lb) in the
    geometric stiffness of the elements (compression positive)."""
    n = elements
    h = length / n
    xs = [i * h for i in range(n + 1)]
    curves = [curves_at(x) for x in xs]
    trib = [h] * (n + 1)
    trib[0] = trib[n] = h / 2.0
    y = [0.0] * (n + 1)
    theta = [0.0] * (n + 1)
    ei = [curve[1][1] / curve[1][0] * 1000.0] * n
    es = [0.0] * (n + 1)
    k_el = [[12.0, 6.0 * h, -12.0, 6.0 * h],
            [6.0 * h, 4.0 * h * h, -6.0 * h, 2.0 * h * h],
            [-12.0, -6.0 * h, 12.0, -6.0 * h],
            [6.0 * h, 2.0 * h * h, -6.0 * h, 4.0 * h * h]]
    g_el = [[36.0, 3.0 * h, -36.0, 3.0 * h],
            [3.0 * h, 4.0 * h * h, -3.0 * h, -h * h],
            [-36.0, -3.0 * h, 36.0, -3.0 * h],
            [3.0 * h, -h * h, -3.0 * h, 4.0 * h * h]]
    for iteration in range(max_iterations):
        for i in range(n + 1):
            yy = max(abs(y[i]), 1.0e-9)
            es[i] = curves[i](yy) / yy
        dof = 2 * (n + 1)
        a = [dict() for _ in range(dof)]
        for e in range(n):
            d = [2 * e, 2 * e + 1, 2 * e + 2, 2 * e + 3]
            f = ei[e] / h ** 3
            g = thrust / (30.0 * h)
            for r in range(4):
                for s in range(4):
                    a[d[r]][d[s]] = a[d[r]].get(d[s], 0.0) + f * k_el[r][s] - g * g_el[r][s]
        for i in range(n + 1):
            a[2 * i][2 * i] += es[i] * trib[i]
        rhs = [0.0] * dof
        rhs[0] = shear
        sol = solve_banded_spd(a, rhs, 3)
        new_y = sol[0::2]
        theta = sol[1::2]
        change = max(abs(new_y[i] - y[i]) for i in range(n + 1))
        y = new_y
        # Element curvature at mid-length from the Hermite shape.
        for e in range(n):
            phi = abs((theta[e + 1] - theta[e]) / h)
            ei[e] = secant_ei(curve, phi) * 1000.0
        if change < tolerance and iteration > 5:
            break
    mmax = 0.0
    for e in range(n):
        y1, t1, y2, t2 = y[e], theta[e], y[e + 1], theta[e + 1]
        m1 = ei[e] / h ** 2 * (-6.0 * y1 - 4.0 * h * t1 + 6.0 * y2 - 2.0 * h * t2)
        mmax = max(mmax, abs(m1))
    return y[0], mmax


def drilled_shaft_soft_clay():
    """tests/cases/drilled_shaft_soft_clay.inp: the 36-in shaft, 50 ft, in soft clay (c 800
    to 1600 psf over 60 ft, 55 pcf, e50 0.007), shear 20 kips, and 60 kips with a thrust of
    300 kips."""
    section = drilled_shaft_section()
    gamma = 55.0 / 1728.0

    def curves_at(x):
        c = linear(800.0, 1600.0, 0.0, 720.0, x) / 144.0
        return soft_clay_static(c, gamma, 0.007, 36.0, x)
    for shear, thrust in ((20000.0, 0.0), (60000.0, 300000.0)):
        curve = moment_curvature(section, thrust / 1000.0, 6.25e-7, 6.0e-4)
        y, m = pile_head_response_nonlinear(600.0, curve, thrust, curves_at, shear)
        print("shear %6.0f lb, thrust %6.0f lb: head deflection %.5f in, max moment %.0f in-lb"
              % (shear, thrust, y, m))


def prestressed_square_section():
    """18-in square (no chamfer), f'c 6 ksi, twelve 0.5-in PCI 270 strands (0.153 sq. in)
    on the square of half-side a = (18 - 0.5)/2 - 3 = 5.75 in: four on each horizontal face,
    two on each vertical face at y = +-a/3; 300 kips less 20 % loss. Strand modulus 28000
    ksi for the locked-in strains: eps_ps = -Pe / (Es As), eps_pc = Pe / (Ac Ec)."""
    b, n = 18.0, 720
    dy = b / n
    strips = [((i + 0.5) * dy, b * dy) for i in range(n)]
    a = 5.75
    rows = [(a, 4), (a / 3.0, 2), (-a / 3.0, 2), (-a, 4)]
    as_ = 12 * 0.153
    pe = 0.8 * 300.0
    ec = 57.0 * math.sqrt(6000.0)
    eps_ps = -pe / (28000.0 * as_)
    eps_pc = pe / ((b * b - as_) * ec)
    # The engine smears each strand over the slices its nominal diameter spans, with the
    # circle of the strand's area (diameter 0.4414 in) measured from the strand's top: the
    # smeared area is centred (0.5 - 0.4414)/2 = 0.0293 in above the strand's centre. The
    # strands are placed at those centres here, so that the comparison is of the same section
    # (the prestress then acts 0.0293 in above mid-depth: a moment of 7 kip-in at zero
    # curvature).
    shift = (0.5 - math.sqrt(4.0 * 0.153 / math.pi)) / 2.0
    bars = [(b / 2.0 - y - shift, count * 0.153) for y, count in rows]
    return Section(b, strips, bars, 6.0, lambda e: pci270(e + eps_ps), prestressed=True,
                   eps_pc=eps_pc)


def prestressed_pile_soft_clay():
    """tests/cases/prestressed_pile_soft_clay.inp: the 18-in prestressed square pile, 40 ft,
    in soft clay (c 500 to 900 psf over 50 ft, 55 pcf, e50 0.01), shears 10 and 25 kips."""
    section = prestressed_square_section()
    gamma = 55.0 / 1728.0

    def curves_at(x):
        c = linear(500.0, 900.0, 0.0, 600.0, x) / 144.0
        return soft_clay_static(c, gamma, 0.01, 18.0, x)
    curve = moment_curvature(section, 0.0, 1.25e-6, 2.0e-3, points=400)
    for shear in (10000.0, 25000.0):
        y, m = pile_head_response_nonlinear(480.0, curve, 0.0, curves_at, shear)
        print("shear %6.0f lb: head deflection %.5f in, max moment %.0f in-lb" % (shear, y, m))


def steel_pipe_soft_clay():
    """tests/cases/steel_pipe_soft_clay.inp: the pipe of soft_clay_pipe_pile as a steel pipe
    section (fy 36 ksi). Below first yield, My = fy I / r = 36 x 2549.3 / 12 = 7647.9 kip-in,
    it is the elastic pipe; at 75 kips it yields. Its moment-curvature curve lies between the
    elastic-perfectly plastic curves of My and of Mp = fy Z = 36 x 276.17 = 9942.0 kip-in,
    so its head deflection lies between theirs."""
    ei = 29000.0 * 2549.3  # kip-in**2
    gamma = 55.0 / 1728.0

    def curves_at(x):
        c = linear(300.0, 1000.0, 0.0, 840.0, x) / 144.0
        eps50 = linear(0.02, 0.01, 0.0, 840.0, x)
        return soft_clay_static(c, gamma, eps50, 24.0, x)
    curve = [(0.0, 0.0), (9942.0 / ei, 9942.0), (1.0, 9942.0)]
    y, m = pile_head_response_nonlinear(720.0, curve, 0.0, curves_at, 75000.0)
    print("shear 75000 lb, elastic-plastic at Mp: head deflection %.5f in, max moment %.0f"
          " in-lb" % (y, m))
    # The pipe's own curve: the elastic-perfectly plastic ring (20 layers through the wall,
    # 720 angles), to 5 yield strains at the outside radius as the engine's curve ends (the
    # last moment holds beyond).
    layers = [(12.0 - 0.5 * (k + 0.5) / 20.0, 0.5 / 20.0) for k in range(20)]
    angles = [(i + 0.5) * 2.0 * math.pi / 720 for i in range(720)]

    def ring_moment(phi):
        return sum(max(-36.0, min(36.0, 29000.0 * r * math.sin(a) * phi)) * r * math.sin(a)
                   * r * w * 2.0 * math.pi / 720 for r, w in layers for a in angles)
    phi_end = 5.0 * 36.0 / 29000.0 / 12.0
    curve = [(0.0, 0.0)] + [(phi_end * i / 200, ring_moment(phi_end * i / 200))
                            for i in range(1, 201)]
    y, m = pile_head_response_nonlinear(720.0, curve, 0.0, curves_at, 75000.0)
    print("shear 75000 lb, the pipe's curve: head deflection %.5f in, max moment %.0f in-lb"
          % (y, m))


def weak_rock_socket():
    """tests/cases/weak_rock_socket.inp: 36 in drilled shaft (E = 3.6e6 psi, I = 82447.96
    in**4), 20 ft long, through 5 ft of API sand (phi 34, 110 pcf, default k) into weak rock
    from 5 ft (qu 800 psi, Em 100000 psi, RQD 25 %, krm 0.0002); shears 50 and 150 kips."""
    b, ei = 36.0, 3.6e6 * 82447.96
    k = 1.209829e-7 * 34.0 ** 5.694468
    gamma = 110.0 / 1728.0

    def curves_at(x):
        if x < 60.0:
            return api_sand(34.0, gamma, k, b, x)
        return weak_rock(800.0, 100000.0, 25.0, 0.0002, b, x - 60.0 + 1.0e-8)
    for shear in (50000.0, 150000.0):
        y, m = pile_head_response(240.0, ei, curves_at, shear, 0.0, elements=1200)
        print("shear %8.0f lb: head deflection %.7f in, max moment %.0f in-lb" % (shear, y, m))


def liquefied_sand_over_clay():
    """tests/cases/liquefied_sand_over_clay.inp: 24 in pipe pile (EI = 29e6 x 2549.3), 60 ft,
    liquefied sand (57.6 pcf) to 10 ft over soft clay (c 1000 psf, 50 pcf, e50 0.01); shear
    10 kips; nodes every 7.2 in.

    The liquefied sand's upper limit pl summed over its nodes (0 to 115.2 in by trapezoids,
    plus its value times the 4.8 in left to the layer bottom) is carried by the clay from
    the surface down to its equivalent depth, found by bisection on the integral of
    Matlock's shallow resistance (3 c + g z + 0.5 c z / b) b."""
    h, b = 7.2, 24.0
    g_sand, g_clay = 57.6 / 1728.0, 50.0 / 1728.0
    c = 1000.0 / 144.0
    sand_nodes = [i * h for i in range(17)]  # 0 .. 115.2 in
    pls = [liquefied_sand_us(b, z)[1] for z in sand_nodes]
    force = sum((a + b_) * h / 2.0 for a, b_ in zip(pls, pls[1:]))
    force += pls[-1] * (120.0 - sand_nodes[-1])
    x1 = 122.4  # first clay node: mean unit weight from the surface there
    gamma = (g_sand * 120.0 + g_clay * (x1 - 120.0)) / x1

    def integral(zeq, steps=4000):
        d = zeq / steps
        return sum(min((3.0 * c + gamma * z + 0.5 * c * z / b) * b, 9.0 * c * b) * d
                   for z in ((i + 0.5) * d for i in range(steps)))
    lo, hi = 0.0, 400.0
    for _ in range(60):
        mid = 0.5 * (lo + hi)
        lo, hi = (mid, hi) if integral(mid) < force else (lo, mid)
    zeq = 0.5 * (lo + hi)
    print("liquefied sand resistance %.1f lb, equivalent depth of the clay top %.3f in"
          % (force, zeq))

    def curves_at(x):
        if x < 120.0:
            return liquefied_sand_us(b, x)[0]
        gamma_x = (g_sand * 120.0 + g_clay * (x - 120.0)) / x
        return soft_clay_static(c, gamma_x, 0.01, b, x - 120.0 + zeq)
    y, m = pile_head_response(720.0, PIPE_EI, curves_at, 10000.0, 0.0, elements=100)
    print("shear 10000 lb: head deflection %.6f in, max moment %.0f in-lb" % (y, m))


def single(x):
    """x rounded to single precision."""
    return struct.unpack("f", struct.pack("f", x))[0]


def trial_lengths(full_length):
    """The lengths of a pile-length study: (1 - 0.05 k) L0, k = 0 .. 19, the factor formed
    in single precision."""
    step = single(0.05)
    return [single(1.0 - single(step * k)) * full_length for k in range(20)]


def elastic_subgrade_head_studies():
    """tests/cases/elastic_subgrade_head_studies.inp: the 24 in pipe (EI = 7.39297e10 lb-in**2)
    on the elastic subgrade k = Es b = 1200 lb/in**2, 60 ft long, head at the ground.

    Stiffness matrix of the long pile (Hetenyi 1946): K22 = 4 EI b^3, K23 = K32 = 2 EI b^2,
    K33 = 2 EI b with b = (k / 4EI)^(1/4). Head deflection of a free-free beam of length L
    under the head shear P (Hetenyi):
    y0 = (2 P b / k) (sinh bL cosh bL - sin bL cos bL) / (sinh^2 bL - sin^2 bL)."""
    ei, k, shear = PIPE_EI, 1200.0, 10000.0
    beta = (k / (4.0 * ei)) ** 0.25
    print("beta %.6e /in: K22 %.6e lb/in, K23 = K32 %.6e lb/rad, K33 %.6e in-lb/rad"
          % (beta, 4.0 * ei * beta ** 3, 2.0 * ei * beta ** 2, 2.0 * ei * beta))
    for length in trial_lengths(720.0):
        bl = beta * length
        y0 = (2.0 * shear * beta / k * (math.sinh(bl) * math.cosh(bl) - math.sin(bl) * math.cos(bl))
              / (math.sinh(bl) ** 2 - math.sin(bl) ** 2))
        print("length %9.4f in (b L = %6.3f): head deflection %.6f in" % (length, bl, y0))


def api_sand_head_studies_si():
    """tests/cases/api_sand_head_studies_si.inp (SI: m, kN): 610 mm x 12.7 mm pipe, EI =
    2e8 x 1.06317e-3 kN-m**2, 20 m long, the ground 2.4 m below the head, API sand phi 35,
    10 kN/m3, k 16300 kN/m3. Fixed head, shear 150 kN; stiffness loads 0.1 and 1 times V0 =
    150 kN, and the default moment M0 = 0.01129848 kN-m (100 in-lb)."""
    ei = 2.0e8 * 1.06317e-3
    b, ground, gamma, phi, k = 0.61, 2.4, 10.0, 35.0, 16300.0

    def curves_at(x):
        return (lambda y: 0.0) if x < ground else api_sand(phi, gamma, k, b, x - ground)
    for shear in (15.0, 150.0):
        r = pile_head_solution(20.0, ei, curves_at, shear, 0.0, "fixed", elements=2000,
                               tolerance=1.0e-11)
        print("fixed head, shear %5.1f kN: K22 %.1f kN/m, K32 %.1f kN-m/m"
              % (shear, shear / r["y0"], r["moment_reaction"] / r["y0"]))
    moment = 0.01129848
    r = pile_head_solution(20.0, ei, curves_at, 0.0, moment, "restrained", elements=2000,
                           tolerance=1.0e-16)
    print("restrained head, moment %.8f kN-m: K23 %.1f kN/rad, K33 %.1f kN-m/rad"
          % (moment, r["shear_reaction"] / abs(r["theta0"]), moment / abs(r["theta0"])))
    # Short piles are nearly rigid: elements of 0.025 m keep the system well conditioned.
    for length in trial_lengths(20.0)[:16]:
        if length in (20.0,) or length < 10.5:
            r = pile_head_solution(length, ei, curves_at, 150.0, 0.0, "fixed",
                                   elements=int(round(length / 0.025)), tolerance=1.0e-11)
            print("length %6.3f m: head deflection %.7f m, max moment %.2f kN-m"
                  % (length, r["y0"], r["mmax"]))
    # A fixed head cannot rotate, so the shear needs the ultimate resistance A pu of the
    # embedded length: at 4 m (1.6 m in the sand) it falls short of 150 kN.
    for embedded in (1.6, 2.6):
        steps = 16000
        d = embedded / steps
        capacity = sum(api_sand(phi, gamma, k, b, (i + 0.5) * d)(1.0e3) * d
                       for i in range(steps))
        print("ultimate resistance of %.1f m of sand: %.1f kN" % (embedded, capacity))


CASES = {
    "steel_pipe_soft_clay": steel_pipe_soft_clay,
    "prestressed_pile_soft_clay": prestressed_pile_soft_clay,
    "drilled_shaft_soft_clay": drilled_shaft_soft_clay,
    "weak_rock_socket": weak_rock_socket,
    "liquefied_sand_over_clay": liquefied_sand_over_clay,
    "elastic_subgrade_head_studies": elastic_subgrade_head_studies,
    "api_sand_head_studies_si": api_sand_head_studies_si,
    "soft_clay_under_sand": soft_clay_under_sand,
    "soft_clay_pipe_pile": soft_clay_pipe_pile,
    "sand_api_pipe_pile": sand_api_pipe_pile,
    "stiff_clay_no_free_water_bound": stiff_clay_no_free_water_bound,
    "sand_under_soft_clay": sand_under_soft_clay,
}

if __name__ == "__main__":
    for name in sys.argv[1:] or sorted(CASES):
        print(name)
        CASES[name]()
