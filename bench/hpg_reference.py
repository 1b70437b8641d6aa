#!/usr/bin/env python3
"""The reference for hpg_png: the same ten-conformer populations at 5001 temperatures, computed
with NumPy and drawn as a stacked area plot with Matplotlib into a PNG of the same size."""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

R = 1.98717
energies = np.array([0.3 * i for i in range(10)]) * 1000.0
relative = energies - energies.min()
low, high = 223.15, 303.15
temperatures = low + np.arange(5001) * ((high - low) / 5000)
factors = np.exp(-relative[:, None] / (R * temperatures[None, :]))
populations = factors / factors.sum(axis=0)

colours = ["#ffff00", "#0000ff", "#ff0000", "#00ff00", "#ff00ff", "#c0c000", "#000000", "#00ffff",
           "#804000", "#00ff00"]
figure = plt.figure(figsize=(384 / 100, 217 / 100), dpi=100)
axes = figure.add_axes([0, 0, 1, 1])
axes.stackplot(np.arange(5001), populations, colors=colours, linewidth=0)
axes.set_xlim(0, 5000)
axes.set_ylim(0, 1)
axes.axis("off")
figure.savefig(sys.argv[1] if len(sys.argv) > 1 else "hpg_reference.png")
