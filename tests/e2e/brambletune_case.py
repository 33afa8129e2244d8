"""Shared set-up of the Brambletune end-to-end tests."""
import os

from testbed import WineTestCase, wine_path

KEY = r"HKCU\Software\Tallowmere\Brambletune\2\w"
EMPTY_CAPTION = "^Brambletune$"
SAVE_QUESTION = "^Save Album$"


class BrambletuneCase(WineTestCase):
    def setUp(self):
        super().setUp()
        self.reg_delete(r"HKCU\Software\Tallowmere")

    def demo_album(self, folder_name="demo album"):
        """Tones and an album made by the build's demo tool; the album's Windows path."""
        folder = os.path.join(self.tmp, folder_name)
        os.makedirs(folder)
        tool = self.start("MakeDemoAlbum.exe", wine_path(folder))
        self.assertEqual(tool.wait(60), 0, "the demo tool failed")
        albums = [name for name in os.listdir(folder) if name.lower().endswith(".alb")]
        self.assertEqual(len(albums), 1, os.listdir(folder))
        return wine_path(os.path.join(folder, albums[0]))

    def settings(self, subkey):
        return {name: data for name, (kind, data) in self.reg_values(KEY + "\\" + subkey).items()}
