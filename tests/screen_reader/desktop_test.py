"""desktop_test.py PROGRAM WORK: what Orca says as a pupil drives the desktop
program from the keyboard alone: each box on its first focus, the total, the
outcome of each button, the list's first line, the failure message; in the
practice window the task, the chosen range and each answer; in the exploring
window each answer. Orca runs in
English; the checks are on the program's own Bulgarian words."""

import re
import sys

from orca_session import Checks, OrcaSession

DENOMINATIONS = [100, 50, 20, 10, 5, 2, 1]
# The wallet's every value in cents, as the till gives change: 100 € to 1 cent.
WALLET_CENTS = [10000, 5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1]


def fewest(amount, values=DENOMINATIONS):
    counts = []
    for value in values:
        counts.append(amount // value)
        amount %= value
    return counts


def count_name(banknote):
    """A count box's name: the euro's 2 and 1 are coins."""
    return f"Брой {'банкноти' if banknote > 2 else 'монети'} от {banknote} евро"


def main_window(orca, checks):
    checks.check("the window opens on the mark of 100", orca.wait_for("банкнота от 100 евро"),
                 "В плащането: банкнота от 100 евро check box")
    orca.key(*["Tab"] * 7)
    # Each count box, on its first focus, by its name, not its label's "100* ".
    for banknote in DENOMINATIONS:
        checks.check(f"Tab to the count of {banknote}, first time", orca.key("Tab"),
                     f"{count_name(banknote)} read only text", absent=("*",))
    checks.check("Tab to the amount, first time", orca.key("Tab"), "Сума за плащане text")
    orca.type("130")
    orca.key("Tab", "Tab")
    checks.check("Enter on Въведи says the total", orca.key("Return"), "Обща сума: 130.")
    checks.check("Tab to the total reads its whole value", orca.key("Tab"), "Обща сума read only text", "130",
                 absent=("13 selected", "13.'"))
    orca.key("Tab")
    checks.check("back to the total, its value again", orca.key("shift+Tab"), "Обща сума", "130")
    checks.check("Tab to the sum, first time", orca.key("Tab", "Tab"), "Сума за разбиване text")
    orca.type("10")
    orca.key("shift+Tab")
    checks.check("Enter on Изведи says how many ways", orca.key("Return"), "Начини на разбиване: 11.")
    checks.check("Tab to the list", orca.key("Tab", "Tab"), "List with 11 items")
    checks.check("the first Down reads the first line", orca.key("Down"), "20*0 + 10*1 + 5*0 + 2*0 + 1*0 = 10")
    checks.check("the next Down the second", orca.key("Down"), "20*0 + 10*0 + 5*2 + 2*0 + 1*0 = 10")
    # Back to the amount, then to Чисти.
    orca.key(*["shift+Tab"] * 6)
    checks.check("Enter on Чисти says so", orca.key("Tab", "Return"), "Всичко е изчистено.")
    orca.key("shift+Tab")
    orca.type("1E9")
    orca.key("Tab")
    checks.check("a failed payment shows its message", orca.key("Tab", "Return"), "Грешка",
                 "Числото е твърде голямо", "Добре")
    checks.check("Enter closes it, back on Въведи", orca.key("Return"), "Въведи push button")


def practice_window(orca, checks):
    said = orca.key("F2")
    said += orca.settle(1.5)
    task = re.search(r"Изплатете (\d+)", " ".join(said))
    checks.check("F2 opens the practice, its task read with the window", said, "Упражнение. Изплатете",
                 "Плащане")
    checks.check("Tab enters the range at the chosen option", orca.key("Tab"), "Суми до 1000",
                 "selected radio button", absent=("not selected",))
    checks.check("Tab reaches the wallet's first note", orca.key("Tab"), "Банкнота от 100",
                 "push button")
    checks.check("Space puts it on the counter, and the new sum is said", orca.key("space"),
                 "Сума: 100 евро")
    orca.key(*["Tab"] * 7)  # the wallet's other six values, and what is paid
    checks.check("Tab to the count of 100, first time", orca.key("Tab"), "Брой банкноти от 100 евро text")
    if not task:
        checks.check("the task names an amount", said, "Изплатете ")
        return
    amount = int(task.group(1))
    orca.type("9")
    checks.check("Enter checks: a wrong sum", orca.key("Return"), f"Сумата е 900")
    for count in fewest(amount):
        orca.key("ctrl+a", "BackSpace")
        if count:
            orca.type(str(count))
        orca.key("Tab")
    orca.key("shift+Tab")
    checks.check("Enter checks: the fewest", orca.key("Return"), "Вярно!", "по-малко не може.")
    checks.check("Нова задача says the new task", orca.key("Tab", "Tab", "Return"), "Изплатете ")
    change_task(orca, checks)


def change_task(orca, checks):
    # The practice opened anew: its focus on the first exercise, "Ресто" two down.
    orca.key("alt+F4")
    orca.key("F2")
    orca.settle(1.5)
    said = orca.key("Down", "Down") + orca.settle(1)
    checks.check("choosing Ресто says it and the task at the till", said, "Ресто", "Стоката струва ",
                 "Клиентът плаща с ", "Върнете рестото")
    task = re.search(r"Стоката струва (\d+),(\d\d)\D+Клиентът плаща с (\d+)", " ".join(said))
    checks.check("Tab enters the prices at the chosen option", orca.key("Tab"), "Цени до 10 €",
                 "selected radio button", absent=("not selected",))
    orca.key(*["Tab"] * 14)  # the wallet's thirteen values, and what is given
    checks.check("Tab to the count of 100, first time", orca.key("Tab"), "Брой банкноти от 100 евро text")
    if not task:
        checks.check("the task names a price and a note", said, "Стоката струва ")
        return
    change = int(task.group(3)) * 100 - int(task.group(1)) * 100 - int(task.group(2))
    orca.type("9")
    checks.check("Enter checks: a wrong change", orca.key("Return"), "Рестото е 900")
    # Only the first box holds anything: the other boxes are typed in where the
    # fewest take some, and passed by one run of Tabs where they take none.
    orca.key("ctrl+a", "BackSpace")
    tabs = 0
    for count in fewest(change, WALLET_CENTS):
        if count:
            if tabs:
                orca.key(*["Tab"] * tabs)
            orca.type(str(count))
            tabs = 0
        tabs += 1
    orca.key(*["Tab"] * tabs)
    checks.check("the last count box is the coin of 1 cent", orca.key("shift+Tab"),
                 "Брой монети от 1 цент")
    checks.check("Enter checks: the fewest change", orca.key("Return"), "Вярно!", "по-малко не може.")


def explore_window(orca, checks):
    # Back in the main window, F3 opens the exploring window.
    orca.key("alt+F4")
    said = orca.key("F3") + orca.settle(1.5)
    checks.check("F3 opens the exploring window", said, "Изследване", "Стойност 1")
    # The sixteen values, each with its till count, and the chosen set's one stop.
    orca.key(*["Tab"] * 32)
    checks.check("Tab to the amount, after the values, the till and the chosen set",
                 orca.key_until("Tab", "Сума за плащане text"), "Сума за плащане text")
    orca.type("6")
    checks.check("Enter answers, and the answers are said", orca.key("Return"),
                 "Алчният алгоритъм дава най-малко: 1 банкнота и 1 монета.",
                 absent=("Сума за разбиване",))
    orca.key("shift+Tab")
    orca.key("Down", "Down")
    checks.check("choosing 4, 3, 1 says its answers", orca.key("Down"), "4, 3, 1",
                 "Алчният алгоритъм дава 3 монети, а може и с 2 монети.",
                 "Най-малката сума, за която алчният алгоритъм не дава най-малко: 6 (4 + 1 + 1, а може 3 + 3).")


def steps_window(orca, checks):
    # Back in the main window, F4 opens "Стъпка по стъпка"; three steps of
    # largest first paying 306, each said as its line and what changed.
    orca.key("alt+F4")
    said = orca.key("F4") + orca.settle(1.5)
    checks.check("F4 opens Стъпка по стъпка", said, "Стъпка по стъпка", "Първо най-голямата")
    checks.check("Tab to the sum", orca.key("Tab"), "Сума за плащане text")
    orca.key("Tab")
    checks.check("Tab to Стъпка", orca.key("Tab"), "Стъпка push button")
    checks.check("a first step", orca.key("space") + orca.settle(0.5), "ред 1: остатък = 306")
    checks.check("a second step", orca.key("space") + orca.settle(0.5), "ред 2: стойност = 100")
    checks.check("a third step", orca.key("space") + orca.settle(0.5), "ред 3: 100 ≤ 306: да")


def main():
    program, work = sys.argv[1:3]
    checks = Checks()
    with OrcaSession(work) as orca:
        orca.start([program], env={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "LANG": "C", "LC_ALL": "C"})
        main_window(orca, checks)
        practice_window(orca, checks)
        explore_window(orca, checks)
        steps_window(orca, checks)
    sys.exit(1 if checks.failed else 0)


if __name__ == "__main__":
    main()
