"""Checks the teaching-text generator: its output is the committed file, and
its stroke conversion lands where the KanjiVG geometry says it should."""

import filecmp
import importlib.util
import os
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
spec = importlib.util.spec_from_file_location(
    "make_teaching_texts", os.path.join(ROOT, "tools", "make_teaching_texts.py"))
generator = importlib.util.module_from_spec(spec)
spec.loader.exec_module(generator)


def points(line):
    return [tuple(int(v) for v in point.split(",")) for point in line.rstrip(";").split(";")]


class StrokeConversion(unittest.TestCase):
    def test_horizontal_stroke_of_one_maps_to_board_centre_frame(self):
        (path,) = generator.svg_strokes(generator.SVG_DIR, "一")
        stroke = points(generator.stroke_line(path))
        # M11,54.25 and the end of the last curve, (96.88, 50.0), scaled by
        # 2.25 about the frame centre 54.5.
        self.assertEqual(stroke[0], (-98, -1))
        self.assertEqual(stroke[-1], (95, -10))
        self.assertTrue(2 <= len(stroke) <= generator.MAX_POINTS)

    def test_simplified_strokes_keep_shape_without_repeats(self):
        for character in "人水学聞":
            for path in generator.svg_strokes(generator.SVG_DIR, character):
                stroke = points(generator.stroke_line(path))
                self.assertTrue(2 <= len(stroke) <= generator.MAX_POINTS, (character, stroke))
                self.assertTrue(all(a != b for a, b in zip(stroke, stroke[1:])), (character, stroke))

    def test_halves_round_away_from_zero(self):
        self.assertEqual([generator.round_half_away(v) for v in (2.5, -2.5, 0.49, -0.5)], [3, -3, 0, -1])


class Regeneration(unittest.TestCase):
    def test_output_matches_committed_file_byte_for_byte(self):
        with tempfile.TemporaryDirectory() as folder:
            output = os.path.join(folder, "TeachingTexts.cpp")
            saved_argv = sys.argv
            sys.argv = ["make_teaching_texts.py", "--output", output]
            try:
                generator.main()
            finally:
                sys.argv = saved_argv
            committed = os.path.join(ROOT, "study", "TeachingTexts.cpp")
            self.assertTrue(filecmp.cmp(output, committed, shallow=False),
                            "study/TeachingTexts.cpp is stale: run tools/make_teaching_texts.py")


if __name__ == "__main__":
    unittest.main()
