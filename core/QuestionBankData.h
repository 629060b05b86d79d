// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

struct QuestionEntry {
    const char *term;
    int oddPicture;  // position 1..4 of the odd answer among the four pictures
    const char *hint;
};

// The questions: term, explanation (empty where there is none) and the
// position 1..4 of the odd answer among the question's four pictures, by
// question number: entry 0 is question 1. The number of questions is the
// number of entries. Explanations given in several pieces are kept as the
// pieces, joined by the compiler.
inline constexpr auto kQuestionEntries = std::to_array<QuestionEntry>({
    {"Simple Beam", 3,
     "Simple beam or simply supported beam has one span and two supports ((hinged and roller) at its ends."},  // 1
    {"Continuous Beam", 1,
     "Continuous beam has more than one span."},  // 2
    {"Integer Number", 2,
     "Integer Number (3 or 61 or -123) has no decimal numbers in the "
         "right side of the decimal point.  "
         "Number  3.2 or 2345.123 is not Integer Number "},  // 3
    {"Couple", 2,
     "Couple consists of two equal parallel forces in opposite directions and "
         "not acting on the same line."},  // 4
    {"Frame", 3,
     "Frame consists of more than one member and more than one support "
         " (one fixed support is okay).  The loads (forces or moments) can be applied at the"
         " member ends or on the member itself. Not all connections are hinges --> Truss"},  // 5
    {"Real Number", 3,
     "Real Number (1.23 or 61.004 or -123.1) has decimal numbers in the"
         " right side of the decimal point. The even square root of "
         "the negative number is not a real number."},  // 6
    {"Hinged Support", 4,
     "Hinged Support prevents the translation and allows for rotation."},  // 7
    {"Concurrent Forces", 4,
     "Concurrent Forces means that all the forces are intersect at one point. "},  // 8
    {"Roller Support", 1,
     "Roller Support prevents the translation only in the direction perpendicular"
         " to the earth and allows for rotation."},  // 9
    {"Fixed Support", 3,
     "Fixed Support prevents the translation and the rotation in all directions."},  // 10
    {"Imaginary Number", 2,
     "cubic (or 5th, 7th,....)root of negative number is not an imaginary Number."},  // 11
    {"Length Unit", 1,
     "Length Unit in SI units is Meter (m), MilliMeter (mm),"
         " and KiloMeter (km) and in U.S. units is Foot (ft), Inch (in), and yard."},  // 12
    {"Force Unit", 2,
     "Force Unit in SI units is Newton (N)"
         " and Kilo Newton (kN) and in U.S. units is pound (lb)."},  // 13
    {"Mass Unit", 1,
     "Mass Unit in SI units is KiloGram (kg) and Gram (g)"
         " and in U.S. units is slug (1 slug = 1 lb.s2/ft = 14.59 kg)."},  // 14
    {"Acute Angle", 4,
     "Acute Angle: from 0 to 90"},  // 15
    {"Moment (of a force) Unit", 2,
     "Moment (of a force) unit = Length . Force"},  // 16
    {"Work Unit", 3,
     "Work unit = Force . Length"},  // 17
    {"Obtuse Angle", 2,
     "Obtuse Angle: from 90 to 180"},  // 18
    {"Energy Unit", 1,
     "Energy unit = Force . Length (= Joule = J = N.m in SI units)"},  // 19
    {"Power Unit", 4,
     "Power unit = Force . Length / Time (= watt = W = J/s in SI units)"},  // 20
    {"Right Angle", 4,
     "Right Angle =90"},  // 21
    {"Linear Momentum Unit", 3,
     "Linear Momentum unit = Mass . Length / Time (= kg.m/s in SI units)"},  // 22
    {"Impulse Unit", 3,
     "Impulse unit = Force . Time (= N.s = kg.m/s in SI units)"},  // 23
    {"Equivalent (in series) Spring", 3,
     "Equivalent spring constant of springs connected in series ke; where 1/ke =1/k1+1/k2+1/k3+.."},  // 24
    {"Equivalent (in parallel) Spring", 1,
     "Equivalent spring constant of springs connected in parallel =k1+k2+k3+.."},  // 25
    {"Linear Equation", 4,
     ""},  // 26
    {"Second Order Equation", 1,
     ""},  // 27
    {"Trigonometric Function", 4,
     "Trigonometric Functions are sin, cos, tan, cot, sec, and cosec"},  // 28
    {"Hyperbolic Function", 3,
     "Hyperbolic Functions are sinh, cosh, tanh, coth, sech, and cosech"},  // 29
    {"Velocity Unit", 1,
     "Velocity unit = Length / Time (= m/s in SI units)"},  // 30
    {"Acceleration Uint", 2,
     "Acceleration unit = Length / Time squared (= m/s2 in SI units)"},  // 31
    {"One", 2,
     ""},  // 32
    {"Odd Number", 3,
     "Odd Number that cannot be divided exactily by two: 1, 3, 5, 7, 9, 11, 13, etc."},  // 33
    {"Even Number", 4,
     "Even Number that can be divided exactily by two: 2, 4, 6, 8, 10, 12, etc."},  // 34
    {"Multiples of Unit (1)", 1,
     "deka=10^(1) hecto=10^(2) kilo=10^(3) mega=10^(6) giga=10^(9) tera=10^(12)"},  // 35
    {"Submultiples of Unit (1)", 4,
     "deci=10^(-1) centi=10^(-2) milli=10^(-3) micro=10^(-6) nano=10^(-9) pico=10^(-12) femto=10^(-15) atto=10^(-18)"},  // 36
    {"Atmosphere Pressure at sea level", 3,
     "Atmosphere Pressure at sea level = 1.013x100000 N/m2  = 0.76 m mercury  = 760 mm mercury      "
         "   1 torr = 1 mm mercury "
         "  1 bar = 100000 N/m2."},  // 37
    {"Addition of Vectors", 4,
     ""},  // 38
    {"Torr", 2,
     ""},  // 39
    {"Indefinite Quantity", 1,
     ""},  // 40
    {"Log", 4,
     ""},  // 41
    {"Lin", 3,
     ""},  // 42
    {"Multiples of Unit (2)", 1,
     "deka=10^(1) hecto=10^(2) kilo=10^(3) mega=10^(6) giga=10^(9) tera=10^(12)"},  // 43
    {"Submultiples of Unit (2)", 4,
     "deci=10^(-1) centi=10^(-2) milli=10^(-3) micro=10^(-6) nano=10^(-9) pico=10^(-12) femto=10^(-15) atto=10^(-18)"},  // 44
    {"Vector Product", 4,
     "Vector Product ''V'' is also referred to as Cross Product."
         " The vector product of two vector forces F1 and F2 (V = F1 x F2) is perpendicular to their plane "
         "and follows the right-hand triad. Its magnitude = |F1||F2|sin(angle between F1 and F2)."},  // 45
    {"Density", 2,
     "Density is the mass of unit volume (=mass/volume). It is a property of material"},  // 46
    {"Logic", 3,
     "''If A>B AND B<C'' Not in general case  --> A<C.  "
         "If A=10, B=8, and C=12 then A>B and B<C --> A<C is right. "
         "But if A=10, B=8, and C=9 then A>B and B<C  --> A<C is wrong."},  // 47
    {"Log, Subtraction", 3,
     "log(3/8)-log(8/3)= log((3/8)/(8/3))= log(9/64)."},  // 48
    {"Log, Addition", 1,
     "log(9/5)+log(5/9)= log((9/5)x(5/9))= log(1)=0 ."},  // 49
    {"sin (sine)", 4,
     ""},  // 50
    {"cos (cosine)", 3,
     ""},  // 51
    {"tan (tangent)", 2,
     ""},  // 52
    {"sec", 1,
     ""},  // 53
    {"cosec", 3,
     ""},  // 54
    {"cot", 2,
     ""},  // 55
    {"sinh, hyperbolic function", 4,
     ""},  // 56
    {"cosh, hyperbolic function", 3,
     ""},  // 57
    {"tanh, hyperbolic function", 3,
     ""},  // 58
    {"sech, hyperbolic function", 4,
     ""},  // 59
    {"cosech, hyperbolic function", 3,
     ""},  // 60
    {"coth, hyperbolic function", 4,
     "x = 0 is not in the domain of the hyperpolic function ''coth''."},  // 61
    {"Division", 4,
     ""},  // 62
    {"Distributive property", 3,
     ""},  // 63
    {"Associative property", 2,
     ""},  // 64
    {"Commutative property", 3,
     "The vector product (cross product) AxB = -BxA and not =BxA."},  // 65
    {"Circle, Area", 4,
     ""},  // 66
    {"Circle, Perimeter", 3,
     "Perimeter unit is length (e.g; mm) not square length (mm2)."},  // 67
    {"Square, Area", 2,
     ""},  // 68
    {"Square, Perimeter", 2,
     ""},  // 69
    {"Rectangle, Area", 4,
     ""},  // 70
    {"Rectangle, Perimeter", 3,
     ""},  // 71
    {"Triangle, Area", 4,
     ""},  // 72
    {"Triangle, Perimeter", 4,
     "Take care of units."},  // 73
    {"Wrench", 2,
     "The axis of wrench is the Y-axis for three of them."},  // 74
    {"Two", 2,
     ""},  // 75
    {"Three", 1,
     ""},  // 76
    {"Matter", 1,
     "Its simplest form in which it can exist in the free state is the molecule."},  // 77
    {"Atom", 3,
     ""},  // 78
    {"Molecule", 2,
     "Molecules of the same substance are a like in structure and properties."},  // 79
    {"Zero", 4,
     ""},  // 80
    {"cosine rule", 2,
     ""},  // 81
    {"Sun properties", 4,
     "Sun mass = 1.99x10^30 kg."},  // 82
    {"Earth properties", 2,
     "Earth surface gravity = 9.81 m/s2."},  // 83
    {"Moon properties", 1,
     "Moon mean density = 3340 kg/m3."},  // 84
    {"Distance from the earth", 3,
     "Distance from the earth to the sun = 1.5x10^11 m."},  // 85
    {"Degree, angle", 2,
     "1 Degree = 60 minutes = 3600 seconds."},  // 86
    {"Radian, angle", 2,
     "1 Radian = 57.3 degree = 57.3x60 minutes = 57.3x3600 seconds = 1 rad."},  // 87
    {"horsepower", 2,
     "1 horsepower = 745.7 Watt = 0.7457 kW = 550 ft.lb/s = 1 hp."},  // 88
    {"Triagonometric Identities, 1", 2,
     "cos(180-theta)=-cos(theta)."},  // 89
    {"Triagonometric Identities, 2", 3,
     "sin^2(theta)+ cos^2(theta)=1."},  // 90
    {"Triagonometric Identities, 3", 1,
     "cos(2xtheta)=1-2xsin^2(theta)."},  // 91
    {"Triagonometric Identities, 4", 3,
     "cos(alfa +/- beta)= cos(alfa)xcos(beta) -/+ sin(alfa)xsin(beta)."},  // 92
    {"Pythagorean Theorem", 2,
     "Pythagorean theorem is applied to the right-angle triangles only."},  // 93
    {"Triangles", 4,
     "(sin A + sin B + sin C) is not equal one."},  // 94
    {"Indefinite Integration", 3,
     "Integral of (sin x) dx = -cos x."},  // 95
    {"Differentiation", 4,
     "d/dx (x)=1."},  // 96
    {"Factorial", 2,
     "(10!)(9!)=10 (9!)^2."},  // 97
    {"Exponential Function", 3,
     "e = 2.7182818"},  // 98
    {"Determinants", 1,
     "Determinant = 5x6-(-2)x4 = 38"},  // 99
    {"Vector Components", 2,
     "Fx = -40 kN and Fy = +30 kN."},  // 100
});
