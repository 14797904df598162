"""A desktop of its own for a screen-reader test: Xvfb, a D-Bus session, the
accessibility bus, Openbox and Orca, which speaks to a silent speech-dispatcher
and writes what it says into its debug log. Keys go in through xdotool; what
Orca said is read back from the log ("SPEECH OUTPUT" lines). Everything lives in
a work folder of the test's own, HOME included, and every process started here
is ended when the session closes."""

import json
import os
import re
import shutil
import signal
import subprocess
import time

# Orca, with its debug log written line by line rather than in blocks of 8 KB,
# so that what it says can be read while it runs.
LINE_BUFFERED_ORCA = """
import builtins, runpy, sys
prefs, log = sys.argv[1:3]
plain_open = builtins.open
def line_buffered_open(file, mode="r", *args, **options):
    if file == log:
        return plain_open(file, mode, 1, encoding="utf-8")
    return plain_open(file, mode, *args, **options)
builtins.open = line_buffered_open
sys.argv = ["orca", "-u", prefs, "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""

# One utterance; a message of several lines spans as many lines of the log.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{'established'", re.S)


class OrcaSession:
    def __init__(self, work):
        self.work = os.path.abspath(work)
        self.processes = []
        self.log_path = os.path.join(self.work, "orca.log")
        self.read_to = 0
        self.pending = ""

    # ---- Set-up and tear-down.
    def __enter__(self):
        try:
            return self._set_up()
        except BaseException:
            self.__exit__()
            raise

    def _set_up(self):
        shutil.rmtree(self.work, ignore_errors=True)
        home = os.path.join(self.work, "home")
        runtime = os.path.join(self.work, "run")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700)
        env = {key: value for key, value in os.environ.items()
               if key not in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")}
        env.update(HOME=home, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local/share"), XDG_CACHE_HOME=os.path.join(home, ".cache"),
                   LANG="C.UTF-8", LC_ALL="C.UTF-8", LANGUAGE="", NO_AT_BRIDGE="0", GTK_MODULES="")
        self.env = env
        self._write_settings(home)

        # Xvfb picks a free display and says which.
        read, write = os.pipe()
        self._start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                    pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as displays:
            env["DISPLAY"] = ":" + displays.readline().strip()
        bus = self._start(["dbus-daemon", "--session", "--nofork", "--print-address"], stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self._start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        time.sleep(1)
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"],
                       env=env, check=True)
        self._start(["openbox"])
        self._start(["/usr/bin/python3", "-c", LINE_BUFFERED_ORCA, os.path.join(home, "orca"), self.log_path])
        self.wait_for("Screen reader on", 60)
        return self

    def __exit__(self, *error):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
        # Helpers started on their own (speech-dispatcher, the registry): every
        # process whose HOME is this session's.
        marker = f"HOME={self.env['HOME']}".encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as environ:
                    if marker in environ.read().split(b"\0") and int(pid) != os.getpid():
                        os.kill(int(pid), signal.SIGKILL)
            except (OSError, ValueError):
                pass

    def _write_settings(self, home):
        # speech-dispatcher blocks at the first word without a sound card: a
        # null audio driver lets it go on.
        config = os.path.join(home, ".config", "speech-dispatcher")
        os.makedirs(config)
        with open("/etc/speech-dispatcher/speechd.conf") as system:
            lines = [line for line in system if not line.startswith("AudioOutputMethod")]
        lines += ['AudioOutputMethod "libao"\n', 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n',
                  'DefaultModule espeak-ng\n']
        with open(os.path.join(config, "speechd.conf"), "w") as user:
            user.writelines(lines)
        with open(os.path.join(home, ".libao"), "w") as libao:
            libao.write("default_driver=null\n")
        # No reading of a whole page on load, for a steady test, and no braille
        # display to look for.
        orca = os.path.join(home, "orca")
        os.makedirs(orca)
        quiet = {"sayAllOnLoad": False, "pageSummaryOnLoad": False, "enableTutorialMessages": False}
        with open(os.path.join(orca, "user-settings.conf"), "w") as settings:
            json.dump({"general": quiet, "profiles": {"default": dict(quiet, profile=["Default", "default"])},
                       "pronunciations": {}, "keybindings": {}}, settings)

    def _start(self, command, **options):
        options.setdefault("stdout", subprocess.DEVNULL)
        options.setdefault("env", self.env)
        process = subprocess.Popen(command, stderr=subprocess.DEVNULL, start_new_session=True,
                                   **options)
        self.processes.append(process)
        return process

    def start(self, command, env=None):
        """Starts a program on this desktop; it is ended with the session."""
        return self._start(command, env=dict(self.env, **(env or {})))

    # ---- What Orca said.
    def _said_lines(self):
        try:
            with open(self.log_path, "rb") as log:
                log.seek(self.read_to)
                data = log.read()
        except FileNotFoundError:
            return []
        self.read_to += len(data)
        self.pending += data.decode("utf-8", errors="replace")
        said, end = [], 0
        for match in SPEECH.finditer(self.pending):
            said.append(match.group(1))
            end = match.end()
        # Only an utterance not yet ended is kept.
        rest = self.pending[end:]
        start = rest.rfind("SPEECH OUTPUT:")
        self.pending = rest[start:] if start >= 0 else ""
        return said

    def wait_for(self, phrase, timeout=10):
        """Waits until Orca says something holding `phrase`; returns all it said meanwhile."""
        said = []
        deadline = time.time() + timeout
        while time.time() < deadline:
            said += self._said_lines()
            if any(phrase in line for line in said):
                return said
            time.sleep(0.1)
        raise TimeoutError(f"Orca did not say {phrase!r}; it said {said!r}")

    def settle(self, quiet=0.8, timeout=10):
        """Waits until Orca has said nothing for `quiet` seconds; returns what it said."""
        said = []
        last = time.time()
        deadline = last + timeout
        while time.time() < deadline:
            new = self._said_lines()
            if new:
                said += new
                last = time.time()
            elif time.time() - last >= quiet:
                break
            time.sleep(0.1)
        return said

    # ---- Keys.
    def key(self, *keys):
        """Presses keys one after another and returns what Orca said after them, key echo aside."""
        self.settle(0.3)
        subprocess.run(["xdotool", "key", "--delay", "150", *keys], env=self.env, check=True)
        said = [line for line in self.settle() if not _is_key_echo(line)]
        # A busy machine can keep Orca quiet past the first pause (a run of
        # Tabs once left it four seconds behind): its silence is taken only
        # after longer ones.
        for quiet in (2.5, 5):
            if said:
                break
            said = [line for line in self.settle(quiet=quiet) if not _is_key_echo(line)]
        return said

    def key_until(self, key, phrase, timeout=20):
        """Presses a key and returns what Orca said after it, waiting up to `timeout`
        seconds for `phrase`: after a long run of keys Orca has been seen to fall
        silent for five seconds before it caught up."""
        said = self.key(key)
        if not any(phrase in line for line in said):
            try:
                said += [line for line in self.wait_for(phrase, timeout) if not _is_key_echo(line)]
            except TimeoutError:
                pass
        return said

    def type(self, text):
        self.settle(0.3)
        subprocess.run(["xdotool", "type", "--delay", "120", text], env=self.env, check=True)
        return [line for line in self.settle() if not _is_key_echo(line)]

    def wait_window(self, name, timeout=30):
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", name], env=self.env,
                       check=True, timeout=timeout, stdout=subprocess.DEVNULL)


def _is_key_echo(line):
    # Orca echoes each key by its name, with a blank at the end: "tab ", "1 ".
    return line.endswith(" ") and len(line.split()) <= 2


class Checks:
    """Prints each check and what Orca said for it; fails at the end if any failed."""

    def __init__(self):
        self.failed = 0

    def check(self, name, said, *phrases, absent=()):
        spoken = " | ".join(said)
        ok = all(any(phrase in line for line in said) for phrase in phrases) and \
            not any(phrase in spoken for phrase in absent)
        self.failed += not ok
        print(f"{'PASS' if ok else 'FAIL'}  {name}\n      Orca: {spoken}", flush=True)
        return ok
