"""The installed program: `cmake --install` into a temporary prefix, and the
Debian package, give a well-kept Linux desktop program, and that program, started from its desktop
entry by a user who cannot write in its folder, keeps its films in the user's
pictures folder.

Usage: test_install.py --build-dir DIR --cmake CMAKE --app-id ID [--with-cli]
       [unittest arguments, e.g. a class name]"""

import argparse
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

# The source tree stays clean of byte-code caches.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pictures  # noqa: E402
from session import Program, User, Xvfb, desktop_exec, need_tool, wait_until  # noqa: E402

OPTIONS = None

FILM = {"e_min": 2, "e_max": 3, "steps": 1, "pixels": 104}
FILM_FOLDER = "eMin=2 eMax=3 Steps=1 Pixels=104 Rainbow"
FRAMES = ("PowerReels-002.000.bmp", "PowerReels-003.000.bmp")
SYSTEM_PATH = "/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin"


def install(prefix):
    """`cmake --install` into prefix."""
    result = with_manifest_kept(
        [OPTIONS.cmake, "--install", OPTIONS.build_dir, "--prefix", prefix])
    if result.returncode != 0:
        raise AssertionError(f"cmake --install failed ({result.returncode}):\n"
                             f"{result.stdout}{result.stderr}")


def with_manifest_kept(argv):
    """Runs an install command. The build folder's install manifest is put
    back afterwards: it is what the user uninstalls a real install by."""
    manifest = os.path.join(OPTIONS.build_dir, "install_manifest.txt")
    saved = None
    if os.path.exists(manifest):
        with open(manifest, "rb") as file:
            saved = file.read()
    try:
        return subprocess.run(argv, capture_output=True, text=True, check=False)
    finally:
        if saved is None:
            if os.path.exists(manifest):
                os.remove(manifest)
        else:
            with open(manifest, "wb") as file:
                file.write(saved)


class InstalledTree:
    """A temporary prefix with the program installed in it."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="powerreels-install-")
        # Every user must reach the installed program, as under /usr/local.
        os.chmod(self.root, 0o755)
        self.prefix = os.path.join(self.root, "prefix")
        try:
            install(self.prefix)
        except Exception:
            self.remove()
            raise
        # Folders are made under the caller's umask, which may shut others out.
        for folder, _, _ in os.walk(self.prefix):
            os.chmod(folder, 0o755)
        self.bin = os.path.join(self.prefix, "bin")
        self.desktop_file = self.share("applications", f"{OPTIONS.app_id}.desktop")
        self.metainfo = self.share("metainfo", f"{OPTIONS.app_id}.metainfo.xml")

    def share(self, *parts):
        return os.path.join(self.prefix, "share", *parts)

    def icon(self, size):
        return self.share("icons", "hicolor", f"{size}x{size}", "apps", f"{OPTIONS.app_id}.png")

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


def desktop_entry(path):
    """The keys of a desktop file's [Desktop Entry] group."""
    keys, group = {}, None
    with open(path, encoding="utf-8") as file:
        for line in file:
            line = line.strip()
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                keys[key.strip()] = value.strip()
    return keys


class InstalledFiles(unittest.TestCase):
    """Every file a desktop needs, under the one id."""

    @classmethod
    def setUpClass(cls):
        cls.tree = InstalledTree()

    @classmethod
    def tearDownClass(cls):
        cls.tree.remove()

    def test_programs_are_installed_in_bin(self):
        programs = ["powerreels"] + (["powerreels-cli"] if OPTIONS.with_cli else [])
        for name in programs:
            path = os.path.join(self.tree.bin, name)
            self.assertTrue(os.path.isfile(path), f"{name} is not installed in {self.tree.bin}")
            self.assertTrue(os.access(path, os.X_OK), f"{path} is not executable")

    def test_installed_command_line_exports_and_renders_without_ffmpeg(self):
        if not OPTIONS.with_cli:
            self.skipTest("built without the command line")
        cli = os.path.join(self.tree.bin, "powerreels-cli")
        libraries = subprocess.run(["ldd", cli], capture_output=True, text=True,
                                   check=True).stdout
        self.assertNotRegex(libraries, r"libav(codec|format)|libswscale",
                            "a render must not load FFmpeg's libraries")
        work = tempfile.mkdtemp(prefix="powerreels-export-")
        try:
            film = ["--emin", "2", "--emax", "3", "--steps", "1", "--pixels", "104"]
            for arguments in (["render"] + film, ["export", FILM_FOLDER, "--out", "film.gif"]):
                result = subprocess.run([cli] + arguments, cwd=work, capture_output=True,
                                        text=True, check=False)
                self.assertEqual(result.returncode, 0, f"{arguments[0]}: {result.stderr}")
            self.assertTrue(os.path.isfile(os.path.join(work, "film.gif")))
        finally:
            shutil.rmtree(work, ignore_errors=True)

    def test_desktop_entry_starts_the_program_with_its_icon(self):
        path = self.tree.desktop_file
        self.assertTrue(os.path.isfile(path), f"no desktop entry at {path}")
        entry = desktop_entry(path)
        self.assertEqual(entry.get("Type"), "Application", f"Type in {path}")
        self.assertEqual(desktop_exec(path)[:1], ["powerreels"], f"Exec in {path}")
        self.assertEqual(entry.get("Icon"), OPTIONS.app_id,
                         f"Icon in {path} must name the installed icon")
        categories = entry.get("Categories", "").split(";")
        self.assertIn("Graphics", categories, f"Categories in {path}: {categories}")

    def test_icon_is_in_the_hicolor_theme_at_each_size(self):
        for size in (32, 256):
            path = self.tree.icon(size)
            self.assertTrue(os.path.isfile(path), f"no {size} x {size} icon at {path}")
            self.assertEqual(pictures.png_size(path), (size, size), f"size of {path}")

    def test_metainfo_describes_the_desktop_entry(self):
        path = self.tree.metainfo
        self.assertTrue(os.path.isfile(path), f"no metainfo at {path}")
        root = ElementTree.parse(path).getroot()
        self.assertEqual(root.get("type"), "desktop-application", f"component type in {path}")
        self.assertEqual(root.findtext("id"), OPTIONS.app_id, f"id in {path}")
        launchable = root.find("launchable[@type='desktop-id']")
        self.assertIsNotNone(launchable, f"no desktop-id launchable in {path}")
        self.assertEqual(launchable.text, f"{OPTIONS.app_id}.desktop", f"launchable in {path}")
        for tag in ("name", "summary", "description", "metadata_license", "project_license",
                    "developer/name", "content_rating"):
            self.assertIsNotNone(root.find(tag), f"no <{tag}> in {path}")
        release = root.find("releases/release[@version='1.0']")
        self.assertIsNotNone(release, f"no release 1.0 in {path}")
        self.assertRegex(release.get("date") or "", r"^\d{4}-\d{2}-\d{2}$",
                         f"release 1.0 in {path} has no date")

    def test_program_names_the_desktop_entry_as_its_own(self):
        # The desktop file name the program gives Qt is kept in the binary.
        with open(os.path.join(self.tree.bin, "powerreels"), "rb") as file:
            program = file.read()
        self.assertIn(OPTIONS.app_id.encode(), program,
                      f"the installed program never names {OPTIONS.app_id} as its desktop "
                      f"file name, so a desktop cannot tie its window to the entry")


class Validators(unittest.TestCase):
    """The desktop's own checkers accept the installed files."""

    @classmethod
    def setUpClass(cls):
        cls.tree = InstalledTree()

    @classmethod
    def tearDownClass(cls):
        cls.tree.remove()

    def validate(self, argv):
        result = subprocess.run(argv, capture_output=True, text=True, check=False)
        self.assertEqual(result.returncode, 0,
                         f"{' '.join(argv)} failed:\n{result.stdout}{result.stderr}")

    def test_desktop_entry_validates(self):
        self.validate([need_tool("desktop-file-validate"), self.tree.desktop_file])

    def test_metainfo_validates(self):
        self.validate([need_tool("appstreamcli"), "validate", "--no-net", self.tree.metainfo])


class DebianPackage(unittest.TestCase):
    """The .deb that scripts/package makes: the installed files under /usr,
    the libraries it links as Depends, and man pages that list every option
    of each command's --help."""

    def test_package_holds_the_program_and_its_man_pages(self):
        need_tool("dpkg-shlibdeps")
        folder = tempfile.mkdtemp(prefix="powerreels-deb-")
        try:
            result = with_manifest_kept(
                [need_tool("cpack"), "-G", "DEB", "-B", folder, "--config",
                 os.path.join(OPTIONS.build_dir, "CPackConfig.cmake")])
            self.assertEqual(result.returncode, 0, f"cpack failed:\n{result.stdout}"
                                                   f"{result.stderr}")
            debs = sorted((name for name in os.listdir(folder) if name.endswith(".deb")),
                          key=lambda name: "-export_" in name)
            self.assertEqual(len(debs), 2 if OPTIONS.with_cli else 1, f"packages made: {debs}")
            deb = os.path.join(folder, debs[0])
            self.assertRegex(debs[0], r"^powerreels_[0-9.]+_[a-z0-9]+\.deb$")
            depends = control_field(deb, "Depends")
            for library in ("libqt6widgets6", "libsleef3", "qt6-qpa-plugins"):
                self.assertIn(library, depends, "Depends of the package")
            # A user who never exports installs no FFmpeg.
            self.assertNotIn("libav", depends, "Depends of the program's package")
            root = os.path.join(folder, "root")
            subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
            man = os.path.join(root, "usr", "share", "man", "man1")
            files = [os.path.join("usr", "bin", "powerreels"),
                     os.path.join("usr", "share", "applications", f"{OPTIONS.app_id}.desktop"),
                     os.path.join("usr", "share", "metainfo", f"{OPTIONS.app_id}.metainfo.xml"),
                     os.path.join("usr", "share", "man", "man1", "powerreels.1.gz")]
            for path in files:
                self.assertTrue(os.path.isfile(os.path.join(root, path)), f"{path} not in {deb}")
            if not OPTIONS.with_cli:
                return
            self.assertIn("powerreels-export", control_field(deb, "Recommends"))
            self.assertIn("libavcodec", control_field(os.path.join(folder, debs[1]), "Depends"))
            self.check_export_needs_its_package(root, os.path.join(folder, debs[1]))
            with gzip.open(os.path.join(man, "powerreels-cli.1.gz"), "rt") as file:
                page = file.read().replace("\\-", "-")
            cli = os.path.join(root, "usr", "bin", "powerreels-cli")
            for command in ("render", "export"):
                result = subprocess.run([cli, command, "--help"], capture_output=True, text=True,
                                        check=False)
                self.assertEqual(result.returncode, 0, f"{command} --help: {result.stderr}")
                options = set(re.findall(r"--[a-z]+", result.stdout))
                self.assertIn("--out" if command == "export" else "--emin", options)
                for option in options:
                    self.assertIn(option, page, f"{option} of {command} --help is not in "
                                                f"powerreels-cli(1)")
                # Its exit status stands apart, not under the last option.
                self.assertIn(f'.SS "{command.capitalize()} exit status:"', page)
        finally:
            shutil.rmtree(folder, ignore_errors=True)

    def check_export_needs_its_package(self, root, export_deb):
        """Without the export's package, export names it in one line; with it,
        a film becomes a video."""
        cli = os.path.join(root, "usr", "bin", "powerreels-cli")
        work = os.path.join(root, "work")
        os.mkdir(work)
        subprocess.run([cli, "render", "--emin", "2", "--emax", "3", "--steps", "1", "--pixels",
                        "104"], cwd=work, capture_output=True, check=True)
        export = [cli, "export", FILM_FOLDER, "--out", "film.gif"]
        alone = subprocess.run(export, cwd=work, capture_output=True, text=True, check=False)
        self.assertEqual((alone.returncode, alone.stderr.count("\n")), (1, 1), alone.stderr)
        self.assertIn("apt install powerreels-export", alone.stderr)
        subprocess.run(["dpkg-deb", "-x", export_deb, root], check=True)
        both = subprocess.run(export, cwd=work, capture_output=True, text=True, check=False)
        self.assertEqual(both.returncode, 0, both.stderr)
        self.assertTrue(os.path.isfile(os.path.join(work, "film.gif")))


def control_field(deb, field):
    return subprocess.run(["dpkg-deb", "-f", deb, field], capture_output=True, text=True,
                          check=True).stdout


class DesktopCase(unittest.TestCase):
    """An installed tree, an X display and a user with a fresh home."""

    @classmethod
    def setUpClass(cls):
        cls.user = User()
        cls.tree = InstalledTree()
        try:
            cls.display = Xvfb()
        except Exception:
            cls.tree.remove()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.display.stop()
        cls.tree.remove()

    def setUp(self):
        self.programs = []
        self.work = tempfile.mkdtemp(prefix="powerreels-user-")
        os.chmod(self.work, 0o755)
        self.home = self.user_folder("home")
        self.runtime_dir = self.user_folder("runtime", 0o700)

    def tearDown(self):
        for program in self.programs:
            program.close()
        shutil.rmtree(self.work, ignore_errors=True)

    def user_folder(self, name, mode=0o755):
        path = os.path.join(self.work, name)
        os.mkdir(path)
        self.user.own(path, mode)
        return path

    def start(self, argv, path):
        log_path = os.path.join(self.work, f"program-{len(self.programs)}.log")
        program = Program(argv, self.user, self.display.name, self.home, self.runtime_dir, path,
                          log_path)
        self.programs.append(program)
        return program

    def make_film(self, program, parent):
        """Enters the tiny film, calculates it and waits until its frames are
        in parent and the run is over."""
        folder = os.path.join(parent, FILM_FOLDER)
        program.enter_film(**FILM)
        program.calculate()
        done = wait_until(lambda: all(os.path.isfile(os.path.join(folder, f)) for f in FRAMES)
                          and program.title() == "PowerReels", 30)
        if not done:
            self.fail(f"the film's frames {FRAMES} did not appear in {folder!r}; files now: "
                      f"{self.files_under(self.work) + self.files_under(self.tree.bin)}; "
                      f"title {program.title()!r}; the program said {program.output()!r}")
        return folder

    @staticmethod
    def files_under(top):
        return sorted(os.path.relpath(os.path.join(d, f), top)
                      for d, _, names in os.walk(top) for f in names)


class FilmsOfInstalledProgram(DesktopCase):
    """Started from the desktop entry, the installed program cannot write in
    its own folder; its films go to the user's pictures folder."""

    def setUp(self):
        super().setUp()
        if not self.user.is_root:
            os.chmod(self.tree.bin, 0o555)
            self.addCleanup(os.chmod, self.tree.bin, 0o755)
        self.assertFalse(self.user.can_write(self.tree.bin),
                         f"{self.user.name} can write in {self.tree.bin}; the test needs a "
                         f"program folder it cannot write to")

    def start_from_desktop_entry(self):
        argv = desktop_exec(self.tree.desktop_file)
        path = f"{self.tree.bin}:{SYSTEM_PATH}"
        self.assertEqual(shutil.which(argv[0], path=path),
                         os.path.join(self.tree.bin, "powerreels"),
                         f"Exec={' '.join(argv)} does not start the installed program")
        return self.start(argv, path)

    def test_film_goes_to_pictures_and_the_slide_show_plays_it(self):
        pictures_films = os.path.join(self.home, "Pictures", "PowerReels")
        maker = self.start_from_desktop_entry()
        folder = self.make_film(maker, pictures_films)
        maker.close()

        frames = [pictures.read_bmp(os.path.join(folder, f)) for f in FRAMES]
        viewer = self.start_from_desktop_entry()
        viewer.enter_film(**FILM)
        viewer.start_slide_show()
        if not wait_until(lambda: viewer.title().endswith("(SlideShow)"), 10):
            self.fail(f"the slide show did not start: title {viewer.title()!r}")

        # This window drew nothing before the show, so a saved frame on screen
        # shows that the show read the film from the pictures folder.
        def frame_on_screen():
            screen = pictures.read_ppm(viewer.screenshot())
            return any(pictures.contains(screen, frame) for frame in frames)

        if not wait_until(frame_on_screen, 15):
            self.fail(f"the slide show never showed a frame saved in {folder!r}; "
                      f"title {viewer.title()!r}")

    def test_film_goes_to_the_xdg_pictures_folder(self):
        config = os.path.join(self.home, ".config")
        os.mkdir(config)
        with open(os.path.join(config, "user-dirs.dirs"), "w", encoding="utf-8") as file:
            file.write('XDG_PICTURES_DIR="$HOME/Bilder"\n')
        self.user.own(config)
        program = self.start_from_desktop_entry()
        self.make_film(program, os.path.join(self.home, "Bilder", "PowerReels"))
        self.assertFalse(os.path.exists(os.path.join(self.home, "Pictures")),
                         "the program made ~/Pictures although the user's pictures folder "
                         "is ~/Bilder")


class FilmsBesideProgram(DesktopCase):
    """A program in a folder the user can write, such as a copied one, still
    writes its films beside itself."""

    def test_program_in_writable_folder_writes_beside_itself(self):
        folder = self.user_folder("portable")
        copy = os.path.join(folder, "powerreels")
        shutil.copy2(os.path.join(self.tree.bin, "powerreels"), copy)
        self.assertTrue(self.user.can_write(folder),
                        f"{self.user.name} cannot write in {folder}")
        program = self.start([copy], SYSTEM_PATH)
        self.make_film(program, folder)
        self.assertFalse(os.path.exists(os.path.join(self.home, "Pictures")),
                         "a program in a writable folder made ~/Pictures")


def main():
    global OPTIONS
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--cmake", default="cmake")
    parser.add_argument("--app-id", required=True)
    parser.add_argument("--with-cli", action="store_true")
    OPTIONS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
