// What only the page has, in Debian's Chromium, headless, as a person and a
// screen reader use it: opened from file:// and from a static server on
// 127.0.0.1 with nothing leaving it, windows dragged and brought to the front,
// the close box in the keyboard order, the end of the program and a new start,
// and Chromium's own accessibility tree. What every backend does is checked by
// the contract suite (web_contract_tests).
//
//     node page_test.mjs TRIMVALE.html LAYOUT_DUMP.js
//
// Every case gets a fresh page. Waits are for states the page shows, bounded.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [pagePath, layoutDump] = process.argv.slice(2);
const forms = JSON.parse(execFileSync('node', [layoutDump], { encoding: 'utf8' }));
const form = (name) => forms.find((f) => f.name === name);

// The sentences and hints a screen reader is to hear.
const OPEN_HINT = 'Only one answer: the first box ticked greys the others.';
const WEIGHT_ANSWERED = 'Weight answered; its other boxes are greyed until Clear Forms.';
const CLEARED = 'All answers cleared; every box is free again.';

// Boards worked by hand from the options' points and the bands of totals, one for each window.
const BOARDS = [
    { name: 'untouched', boxes: [], opens: 'Form4' },
    { name: 'male 110', boxes: ['Check1', 'Check13', 'Check6', 'Check11'], opens: 'Form2' },
    { name: 'male 140', boxes: ['Check4', 'Check13', 'Check6', 'Check11'], opens: 'Form3' },
    { name: 'female 140', boxes: ['Check5', 'Check14', 'Check7', 'Check12'], opens: 'Form5' },
    { name: 'male 150', boxes: ['Check5', 'Check13', 'Check6', 'Check11'], opens: 'Form6' },
];

function assert(condition, message) {
    if (!condition) throw new Error(message);
}
function equal(actual, expected, what) {
    assert(JSON.stringify(actual) === JSON.stringify(expected),
        `${what}: ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
}

const server = createServer((request, response) => {
    if (request.url === '/' || request.url === '/trimvale.html') {
        response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
        response.end(readFileSync(pagePath));
    } else {
        response.writeHead(404);
        response.end();
    }
});
await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
const origins = {
    file: pathToFileURL(pagePath).href,
    http: `http://127.0.0.1:${server.address().port}/trimvale.html`,
};

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium' });

// A fresh page with the questionnaire open; every request and console error noted.
async function open(origin = 'file') {
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    const page = await context.newPage();
    const seen = { requests: [], errors: [] };
    page.on('request', (r) => seen.requests.push(r.url()));
    page.on('console', (m) => m.type() === 'error' && seen.errors.push(m.text()));
    page.on('pageerror', (e) => seen.errors.push(e.message));
    await page.goto(origins[origin]);
    await page.locator('#Form1').waitFor();
    return { page, seen, context };
}

const win = (page, name) => page.locator(`#${name}`);
const box = (page, name) => page.locator(`#Form1-${name} input`);
const openWindows = (page) => page.locator('#desk > .window:not([hidden])').evaluateAll(
    (all) => all.map((w) => w.id));
const frontWindow = (page) => page.locator('.window.front').getAttribute('id');

const cases = [];
const test = (name, fn) => cases.push({ name, fn });

for (const origin of Object.keys(origins)) {
    test(`${origin}: the page opens with nothing leaving it and no error`, async ({ page, seen }) => {
        await box(page, 'Check12').click();
        await page.getByRole('button', { name: 'get individual program' }).click();
        await win(page, 'Form2').waitFor();
        equal(seen.errors, [], 'errors');
        const away = seen.requests.filter((url) => url !== origins[origin] && !url.startsWith('data:'));
        equal(away, [], 'requests leaving the page');
    }, origin);

}

test('a click on a window brings it to the front', async ({ page }) => {
    await box(page, 'Check12').click();
    await page.getByRole('button', { name: 'get individual program' }).click();
    equal(await frontWindow(page), 'Form2', 'the window in front');
    await win(page, 'Form1').click({ position: { x: 10, y: 60 } });
    equal(await frontWindow(page), 'Form1', 'the window in front after a click on it');
});

test('a window dragged by its title bar stays reachable', async ({ page }) => {
    const title = win(page, 'Form1').locator('.title-bar');
    const start = await title.boundingBox();
    await page.mouse.move(start.x + 100, start.y + 10);
    await page.mouse.down();
    await page.mouse.move(start.x - 2000, start.y - 2000, { steps: 4 });
    await page.mouse.up();
    const moved = await win(page, 'Form1').boundingBox();
    assert(moved.y === 0 && moved.x + moved.width >= 40,
        `the window left the page: ${JSON.stringify(moved)}`);
    await page.mouse.move(moved.x + moved.width - 40, 10); // clear of the close box
    await page.mouse.down();
    await page.mouse.move(moved.x + moved.width + 100, 110, { steps: 4 });
    await page.mouse.up();
    const back = await win(page, 'Form1').boundingBox();
    equal([Math.round(back.x - moved.x), Math.round(back.y)], [140, 100], 'dragged back by');
});

test('the last window closing ends the program, and it starts again', async ({ page }) => {
    await page.getByRole('button', { name: 'get individual program' }).click();
    await win(page, 'Form4').getByRole('button', { name: 'Close' }).click();
    await win(page, 'Form1').getByRole('button', { name: 'Close' }).click();
    const again = page.getByRole('button', { name: 'Start Trimvale again' });
    await again.waitFor();
    equal(await openWindows(page), [], 'open windows');
    equal(await again.evaluate((e) => e === document.activeElement), true, 'the focus on "Start again"');
    await again.click();
    await win(page, 'Form1').waitFor();
    equal(await box(page, 'Check1').isChecked(), false, 'a fresh questionnaire');
});

// The control with the focus as "FormN-Name", a close box as "FormN-close", a window itself as "FormN".
const focused = (page) => page.evaluate(() => {
    const e = document.activeElement;
    if (e.matches('.close')) return `${e.closest('.window').id}-close`;
    return e.closest('[id^="Form"]')?.id ?? e.id;
});

test('the close box: one more stop after the last control, and the focus back after it', async ({ page }) => {
    await page.locator('#Form1-Command2').focus();
    await page.keyboard.press('Tab');
    equal(await focused(page), 'Form1-close', 'Tab from the last control');
    await page.keyboard.press('Tab');
    equal(await focused(page), 'Form1-Check1', 'Tab from the close box');
    await page.keyboard.press('Shift+Tab');
    equal(await focused(page), 'Form1-close', 'Shift+Tab from the first control');
    await box(page, 'Check12').click();
    await page.locator('#Form1-Command1').focus();
    await page.keyboard.press('Enter');
    await win(page, 'Form2').waitFor();
    await win(page, 'Form2').getByRole('button', { name: 'Close' }).click();
    equal(await focused(page), 'Form1-Command1', 'the focus back in the questionnaire');
});

test('a keyboard-only session: every window opened and closed, the end, a new start', async ({ page }) => {
    await page.evaluate(() => {
        window.pointerEvents = 0;
        for (const type of ['pointerdown', 'pointerup', 'mousedown', 'mouseup', 'touchstart'])
            window.addEventListener(type, () => { window.pointerEvents += 1; }, true);
    });
    const tabTo = async (target) => {
        for (let i = 0; i < 25 && await focused(page) !== target; ++i) await page.keyboard.press('Tab');
        equal(await focused(page), target, 'the focus after tabbing');
    };
    for (const [i, board] of BOARDS.entries()) {
        for (const name of board.boxes) {
            await tabTo(`Form1-${name}`);
            await page.keyboard.press('Space');
        }
        await tabTo('Form1-Command1');
        await page.keyboard.press('Enter');
        await win(page, board.opens).waitFor();
        equal(await openWindows(page), ['Form1', board.opens], `windows after ${board.name}`);
        equal(await focused(page), board.opens === 'Form4' ? 'Form4' : `${board.opens}-Text1`,
            `the focus in ${board.opens}`);
        await tabTo(`${board.opens}-close`);
        await page.keyboard.press(i % 2 ? 'Space' : 'Enter');
        await win(page, board.opens).waitFor({ state: 'detached' });
        equal(await focused(page), 'Form1-Command1', `the focus back after closing ${board.opens}`);
        await tabTo('Form1-Command2');
        await page.keyboard.press('Space');
    }
    await tabTo('Form1-close');
    await page.keyboard.press('Enter');
    const again = page.getByRole('button', { name: 'Start Trimvale again' });
    await again.waitFor();
    equal(await again.evaluate((e) => e === document.activeElement), true, 'the focus on "Start again"');
    await page.keyboard.press('Enter');
    await win(page, 'Form1').waitFor();
    equal(await focused(page), 'Form1-Check1', 'the focus in the new questionnaire');
    equal(await page.evaluate(() => window.pointerEvents), 0, 'pointer events');
});

test('what a screen reader gets: roles, names, descriptions, the live region', async ({ page, context }) => {
    const cdp = await context.newCDPSession(page);
    const tree = async () => (await cdp.send('Accessibility.getFullAXTree')).nodes
        .filter((n) => !n.ignored);
    const named = (nodes, role) => nodes.filter((n) => n.role?.value === role)
        .map((n) => ({ name: n.name?.value ?? '', description: n.description?.value ?? '' }));
    let nodes = await tree();
    equal(named(nodes, 'dialog').map((n) => n.name), ['Orvane'], 'dialogs');
    equal(named(nodes, 'group').map((n) => n.name), ['Weight', 'Growth', 'Age', 'Sex'], 'row groups');
    const boxes = named(nodes, 'checkbox');
    equal(boxes.length, 16, 'check boxes');
    equal(boxes.every((b) => b.description === OPEN_HINT), true, 'every box described as open');
    equal(named(nodes, 'button').map((n) => n.name),
        ['Close Orvane', 'get individual program', 'Clear Forms'], 'buttons');
    equal(nodes.some((n) => (n.name?.value ?? '').includes('\u00d7')), false, 'the close box read as a cross');
    const weightGroup = nodes.find((n) => n.role?.value === 'group' && n.name?.value === 'Weight');
    equal(weightGroup.childIds.length, 5, 'boxes in the Weight row');

    await box(page, 'Check2').click();
    equal(await page.locator('#announcements').getAttribute('aria-live'), 'polite', 'the live region');
    equal(await page.locator('#announcements').textContent(), WEIGHT_ANSWERED, 'announced');
    nodes = await tree();
    const check1 = named(nodes, 'checkbox').find((b) => b.name === '60-70KG(132-154p)');
    equal(check1.description, 'Weight is already answered; Clear Forms frees the row.', 'a greyed box');
    await page.getByRole('button', { name: 'Clear Forms' }).click();
    equal(await page.locator('#announcements').textContent(), CLEARED, 'announced');

    await box(page, 'Check12').click();
    await page.getByRole('button', { name: 'get individual program' }).click();
    await page.getByRole('textbox', { name: 'Your program' }).waitFor();
    await win(page, 'Form2').getByRole('button', { name: 'Close' }).click();
    await page.getByRole('button', { name: 'Clear Forms' }).click();
    await page.getByRole('button', { name: 'get individual program' }).click();
    nodes = await tree();
    equal(named(nodes, 'alertdialog'), [{ name: 'Youre personal program',
        description: form('Form4').controls[0].text }], 'the notice');
    equal(named(nodes, 'button').map((n) => n.name).filter((n) => n.startsWith('Close')),
        ['Close Orvane', 'Close Youre personal program'], 'the close boxes');
    const lines = await page.locator('.line').evaluateAll((all) => all.map((l) => l.getAttribute('aria-hidden')));
    equal(lines, ['true', 'true', 'true', 'true'], 'lines hidden from assistive technology');
});

let failed = 0;
for (const { name, fn } of cases) {
    const origin = name.startsWith('http:') ? 'http' : 'file';
    const { page, seen, context } = await open(origin);
    try {
        await fn({ page, seen, context });
        console.log(`ok - ${name}`);
    } catch (error) {
        failed += 1;
        console.log(`not ok - ${name}\n  ${error.message.split('\n').join('\n  ')}`);
    } finally {
        await context.close();
    }
}
await browser.close();
server.close();
console.log(`${cases.length - failed} of ${cases.length} cases passed`);
process.exit(failed ? 1 : 0);
