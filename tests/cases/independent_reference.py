#!/usr/bin/env python3
"""An independent computation of the pile-head response of the end-to-end cases.

It shares nothing with the engine: the pile is a string of Hermite-cubic beam elements (not
finite differences), the soil a spring at every node with the tributary length of the node,
and the soil modulus is found by secant iteration on p-y curves written here from the
published criteria (Matlock 1970 soft clay; Reese, Cox and Koop 1974 sand; API RP-2A sand;
Reese, Cox and Koop 1975 and Welch and Reese 1972 stiff clays; a linear subgrade). With 2000
elements the discretisation error is far below the iteration tolerance, so a value of the
engine (100 increments) within a fraction of a percent of this one confirms the whole chain
(input, units, curves, solver) independently.

Units are the engine's internal ones: inches, pounds (US customary). Run it with the case
name to print the head deflection and the maximum moment of every load case:

    python3 tests/cases/independent_reference.py soft_clay_pipe_pile
"""

import math
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


def pile_head_response(length, ei, curves_at, shear, moment, elements=2000,
                       tolerance=1.0e-7, max_iterations=500):
    """Free-headed pile of constant EI, shear and moment at the head, free tip.

    curves_at(x) returns the p-y curve of the node at depth x. Returns (head deflection,
    maximum |moment|)."""
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
    return y[0], mmax


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


CASES = {"soft_clay_pipe_pile": soft_clay_pipe_pile}

if __name__ == "__main__":
    for name in sys.argv[1:] or sorted(CASES):
        print(name)
        CASES[name]()
