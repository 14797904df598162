"""page_test.py SITE WORK: what Orca says as a pupil drives the web page in
Debian's Chromium from the keyboard alone: the first Tabs in the window's
order, the outcome of each button, the failure message (spoken, holding the
focus, nothing stale read when it closes) and arrowing through the list, which
reads only the new line. Orca runs in English; the checks are on the page's
own Bulgarian words."""

import os
import socket
import sys

from orca_session import Checks, OrcaSession


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def main_page(orca, checks):
    said = orca.wait_for("банкнота от 100 евро", 60)
    checks.check("the page opens with the focus on the mark of 100", said, "В плащането: банкнота от 100 евро")
    # The first Tabs follow the window's order, whatever Orca read first.
    for banknote in [50, 20, 10, 5, 2, 1]:
        checks.check(f"Tab to the mark of {banknote}", orca.key("Tab"),
                     f"В плащането: {'банкнота' if banknote > 2 else 'монета'} от {banknote} евро")
    checks.check("Tab to the description", orca.key("Tab"), "Описание")
    for banknote in [100, 50, 20, 10, 5, 2, 1]:
        checks.check(f"Tab to the count of {banknote}", orca.key("Tab"),
                     f"Брой {'банкноти' if banknote > 2 else 'монети'} от {banknote} евро")
    checks.check("Tab to the amount", orca.key("Tab"), "Сума за плащане")
    orca.type("130")
    checks.check("Tab to Чисти, then Въведи", orca.key("Tab", "Tab"), "Въведи")
    checks.check("Enter on Въведи says the total", orca.key("Return"), "Обща сума: 130.")
    orca.key("Tab", "Tab")
    checks.check("Tab to the sum", orca.key("Tab"), "Сума за разбиване")
    orca.type("10")
    orca.key("shift+Tab")
    checks.check("Enter on Изведи says how many ways", orca.key("Return"), "Начини на разбиване: 11.")
    orca.key("Tab")
    checks.check("Tab to the list", orca.key("Tab"), "Начини на разбиване")
    checks.check("the first Down reads the first line", orca.key("Down"), "20*0 + 10*1 + 5*0 + 2*0 + 1*0 = 10",
                 absent=("Описание",))
    checks.check("the second Down only the second line", orca.key("Down"), "20*0 + 10*0 + 5*2 + 2*0 + 1*0 = 10",
                 absent=("Описание", "Съществуват"))
    checks.check("the third Down only the third line", orca.key("Down"), "20*0 + 10*0 + 5*0 + 2*5 + 1*0 = 10",
                 absent=("Описание", "Съществуват"))
    # To the amount, a payment that fails.
    orca.key(*["shift+Tab"] * 6)
    orca.type("1E9")
    orca.key("Tab")
    checks.check("a failed payment speaks its message", orca.key("Tab", "Return"), "Грешка", "Числото е твърде голямо",
                 "Добре")
    # The focus does not move, so nothing is said, but nothing of the browser either.
    checks.check("Tab stays in the message", orca.key("Tab"), absent=("Tab search", "Chromium", "Въведи"))
    checks.check("Escape closes it and reads nothing stale", orca.key("Escape"), "Въведи",
                 absent=("Начини на разбиване: 11", "Обща сума: 130"))


def main():
    site, work = sys.argv[1:3]
    checks = Checks()
    with OrcaSession(work) as orca:
        port = free_port()
        orca.start(["/usr/bin/python3", "-m", "http.server", "--bind", "127.0.0.1", str(port), "-d", site])
        profile = os.path.join(orca.work, "profile")
        # Translation off: the page is Bulgarian on purpose.
        os.makedirs(os.path.join(profile, "Default"))
        with open(os.path.join(profile, "Default", "Preferences"), "w") as preferences:
            preferences.write('{"translate": {"enabled": false}}')
        orca.start(["/usr/bin/chromium", "--no-sandbox", "--force-renderer-accessibility", "--no-first-run",
                    "--disable-background-networking", "--disable-component-update", "--disable-sync",
                    "--disable-gpu", "--disable-features=Translate", "--window-position=0,0",
                    "--window-size=1100,900", f"--user-data-dir={profile}", f"http://127.0.0.1:{port}/"])
        main_page(orca, checks)
    sys.exit(1 if checks.failed else 0)


if __name__ == "__main__":
    main()
