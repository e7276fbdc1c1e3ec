# SPDX-License-Identifier: Apache-2.0
"""Helpers of the scripts that work out the tests' expected values: single-precision values and slips of
a digit."""

import struct


def single(x):
    """x rounded to the nearest single-precision value."""
    return struct.unpack("f", struct.pack("f", x))[0]


def shortest(x):
    """The shortest decimal text that reads back as the single-precision value x."""
    for digits in range(1, 10):
        text = "%.*g" % (digits, x)
        if single(float(text)) == x:
            return text
    raise AssertionError(x)


def altered(text):
    """The texts that a slip of one digit makes of a number's text: last digit of the mantissa up and
    down, its last two digits swapped."""
    digits = [i for i, ch in enumerate(text.lower().split("e")[0]) if ch.isdigit()]
    if float(text) == 0:
        return []
    last = digits[-1]
    results = []
    for step in (1, -1):
        d = (int(text[last]) + step) % 10
        results.append(text[:last] + str(d) + text[last + 1:])
    if len(digits) >= 2 and text[digits[-2]] != text[last]:
        chars = list(text)
        chars[digits[-2]], chars[last] = chars[last], chars[digits[-2]]
        results.append("".join(chars))
    return [r for r in results if float(r) != float(text)]
