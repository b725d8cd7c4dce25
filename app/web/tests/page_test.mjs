// What only the page has, as a person and a screen reader use it, in one
// browser engine (Chromium, Firefox or WebKit): opened from file:// and from a
// static server on 127.0.0.1 with nothing leaving it and nothing said in the
// console, busy and inert no longer once the program has it, windows dragged
// by the main button and brought to the front, the close box in the keyboard
// order, the end of the program and a new start; every window one column on
// a phone, read and pressed without zooming, and every control within reach
// in a small frame and zoomed; installed from a web server and opened
// offline; its security policy to the letter; high contrast, more contrast
// and a dark scheme; no script, no WebAssembly, a slow start; and Chromium's
// own accessibility tree. What every backend does is checked by the contract
// suite (web_contract_tests_ENGINE).
//
//     node page_test.mjs TRIMVALE.html LAYOUT_DUMP.js ENGINE
//
// Every case gets a fresh page; waits are for states the page shows, bounded.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { dirname, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchEngine, START, waitFor } from './engines.mjs';

const [pagePath, layoutDump, engineName] = process.argv.slice(2);
const forms = JSON.parse(execFileSync('node', [layoutDump], { encoding: 'utf8' }));
const form = (name) => forms.find((f) => f.name === name);

// The sentences a screen reader is to hear.
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

// The page as a static web server gives it, beside its manifest, worker and icons.
const servedFolder = join(dirname(pagePath), 'web');
const TYPES = { html: 'text/html; charset=utf-8', webmanifest: 'application/manifest+json',
    js: 'text/javascript', png: 'image/png' };
const served = [];
let folderOffline = false; // the served folder as if the network were gone
const server = createServer((request, response) => {
    served.push(request.url);
    const framed = request.url.match(/^\/framed-(\d+)x(\d+)\.html$/);
    const inFolder = request.url.match(/^\/app\/([\w.-]*)$/);
    if (framed) {
        // The page in a frame, as another site might embed it.
        response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
        response.end(`<!DOCTYPE html><title>framed</title><iframe src="/trimvale.html" width="${framed[1]}" height="${framed[2]}"></iframe>`);
    } else if (inFolder && folderOffline) {
        request.socket.destroy();
    } else if (inFolder) {
        const file = inFolder[1] || 'index.html';
        response.writeHead(200, { 'Content-Type': TYPES[file.split('.').pop()] });
        response.end(readFileSync(join(servedFolder, file)));
    } else if (request.url === '/' || request.url === '/trimvale.html') {
        response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
        response.end(readFileSync(pagePath));
    } else {
        response.writeHead(404);
        response.end();
    }
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const origins = {
    file: pathToFileURL(resolve(pagePath)).href,
    http: `http://127.0.0.1:${server.address().port}/trimvale.html`,
};

const engine = await launchEngine(engineName);

// In the page: the control with the focus as "FormN-Name", a close box as
// "FormN-close", a window itself as "FormN".
const focused = (page) => page.evaluate(() => {
    const e = document.activeElement;
    if (e.matches('.close')) return `${e.closest('.window').id}-close`;
    return e.closest('[id^="Form"]')?.id ?? e.id;
});
const openWindows = (page) => page.evaluate(
    () => [...document.querySelectorAll('#desk > .window:not([hidden])')].map((w) => w.id));
const frontWindow = (page) => page.evaluate(() => document.querySelector('.window.front')?.id);
const started = (page) => waitFor(() => page.evaluate(
    () => !!document.querySelector('#Form1:not(.prerendered)')), 'the program to start', START);
const centre = (page, selector) => page.evaluate((s) => {
    const r = document.querySelector(s).getBoundingClientRect();
    return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
}, selector);
// A click where the page shows the element, after bringing it into view as a person would.
async function click(page, selector) {
    await page.evaluate((s) => document.querySelector(s).scrollIntoView({ block: 'nearest', inline: 'nearest' }), selector);
    const at = await centre(page, selector);
    await page.click(at.x, at.y);
}
const box = (name) => `#Form1-${name} input`;
const getProgram = (page) => page.find('button', 'get individual program');

// Every control of every open window can be brought into view by scrolling
// that a person can do too, and is the thing a press there would reach.
const unreachable = (page) => page.evaluate(() => {
    const missed = [];
    const scrolledOutOfReach = (element) => {
        if (document.scrollingElement.scrollTop || document.scrollingElement.scrollLeft) return true;
        for (let e = element.parentElement; e; e = e.parentElement) {
            const style = getComputedStyle(e);
            if ((e.scrollTop && /hidden|clip/.test(style.overflowY)) ||
                (e.scrollLeft && /hidden|clip/.test(style.overflowX)))
                return true;
        }
        return false;
    };
    for (const control of document.querySelectorAll('#desk > .window:not([hidden]) :is(.close, .tick-box, .push-button, .text-box)')) {
        // A person brings a window to the front before using it.
        control.closest('.window').dispatchEvent(new PointerEvent('pointerdown', { bubbles: true }));
        const target = control.matches('.tick-box') ? control.querySelector('input') : control;
        target.scrollIntoView({ block: 'nearest', inline: 'nearest' });
        const r = target.getBoundingClientRect();
        const x = Math.min(r.x + r.width / 2, r.x + 4), y = r.y + r.height / 2;
        const hit = document.elementFromPoint(x, y);
        if (!hit || !(control.contains(hit) || hit.contains(target)) || scrolledOutOfReach(target))
            missed.push(control.id || `${control.closest('.window').id} close box`);
    }
    return missed;
});
// Every window's title bar where the desk shows it or can be scrolled to, and
// the page itself not scrolled where nobody can scroll it back.
const titleBarsOutOfReach = (page) => page.evaluate(() => {
    const lost = [];
    const desk = document.getElementById('desk');
    if (document.scrollingElement.scrollTop || document.scrollingElement.scrollLeft)
        lost.push(`the page scrolled by ${document.scrollingElement.scrollLeft},${document.scrollingElement.scrollTop}`);
    for (const w of document.querySelectorAll('#desk > .window:not([hidden])')) {
        if (w.offsetTop < 0 || w.offsetLeft + w.offsetWidth < 48 || w.offsetLeft > desk.scrollWidth - 48)
            lost.push(`${w.id} at ${w.offsetLeft},${w.offsetTop}`);
    }
    return lost;
});

const cases = [];
const test = (name, fn, options = {}) => cases.push({ name, fn, options });

for (const origin of Object.keys(origins)) {
    test(`${origin}: the page opens with its icon, nothing leaving it and nothing said`, async (page) => {
        await started(page);
        // Taken over by the program: no longer busy or inert to a screen reader.
        equal(await page.evaluate(() => ['aria-busy', 'inert'].filter((a) => document.getElementById('Form1').hasAttribute(a))),
            [], 'what still says the questionnaire is starting');
        await click(page, box('Check12'));
        await click(page, await getProgram(page));
        await waitFor(() => page.evaluate(() => !!document.querySelector('#Form2:not([hidden])')), 'Form2');
        // Pinch-zoom stays the person's.
        const viewport = await page.evaluate(() => document.querySelector('meta[name="viewport"]').content);
        assert(!/user-scalable\s*=\s*(no|0)|maximum-scale/.test(viewport), `the viewport: ${viewport}`);
        const icon = await page.evaluate(() => document.querySelector('link[rel="icon"]')?.href ?? '');
        assert(icon.startsWith('data:image/png;base64,'), `the icon: ${icon.slice(0, 40)}`);
        equal(page.messages, [], 'console messages');
        const away = page.requests.filter((url) => url !== origins[origin] && !url.startsWith('data:'));
        equal(away, [], 'requests leaving the page');
        // No engine asks the server for an icon, or anything else.
        equal(served.filter((url) => url !== '/trimvale.html' && !url.startsWith('/framed-')), [],
            'what the server was asked for');
    }, { origin });
}

// The policy the page states, against the one it is meant to state: its own
// scripts and styles by their hashes, WebAssembly compiled, data only from
// data: addresses, and from its own folder only what installing needs.
test('the page\'s security policy is the intended one, to the letter', async (page) => {
    const html = readFileSync(pagePath, 'utf8');
    const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
    const faces = html.match(/<script>([\s\S]*?)<\/script>/)[1];
    const script = html.match(/<script type="module">([\s\S]*?)<\/script>/)[1];
    const styles = [...html.matchAll(/<style>([\s\S]*?)<\/style>/g)].map((m) => hash(m[1]));
    const stated = await page.evaluate(() => document.querySelector('meta[http-equiv="Content-Security-Policy"]').content);
    const directives = Object.fromEntries(stated.split(';').map((d) => d.trim().split(/\s+/)).map(([k, ...v]) => [k, v]));
    equal(directives, {
        'default-src': ["'none'"], 'script-src': [hash(faces), hash(script), "'wasm-unsafe-eval'"],
        'style-src': styles, 'img-src': ['data:', "'self'"], 'connect-src': ['data:'],
        'manifest-src': ["'self'"], 'worker-src': ["'self'"], 'base-uri': ["'none'"], 'form-action': ["'none'"],
    }, 'the policy');
});

test('the faces: the banner in its script, no face put in by the engine', async (page) => {
    await started(page);
    const seen = await page.evaluate(() => {
        const banner = document.getElementById('Form1-Label6');
        const range = document.createRange();
        range.selectNodeContents(banner);
        const context = document.createElement('canvas').getContext('2d');
        const width = (font) => { context.font = font; return context.measureText(banner.textContent).width; };
        return { drawn: range.getBoundingClientRect().width, script: width(getComputedStyle(banner).font),
            fallback: width('bold 32px serif'), faces: [...document.fonts].filter((f) => f.status === 'loaded').length };
    });
    equal(seen.faces, 4, 'faces loaded');
    assert(Math.abs(seen.drawn - seen.script) <= 1 && Math.abs(seen.script - seen.fallback) > 10,
        `the banner is not drawn in its script: ${JSON.stringify(seen)}`);
});

test('a press on a window brings it to the front', async (page) => {
    await started(page);
    await click(page, box('Check12'));
    await click(page, await getProgram(page));
    await waitFor(async () => await frontWindow(page) === 'Form2', 'Form2 in front');
    const at = await page.evaluate(() => { const r = document.querySelector('#Form1').getBoundingClientRect(); return { x: r.x + 10, y: r.y + 60 }; });
    await page.click(at.x, at.y);
    equal(await frontWindow(page), 'Form1', 'the window in front after a press on it');
});

test('a window dragged by its title bar stays reachable, and by the main button only', async (page) => {
    await started(page);
    // Taken at the right end of its title bar and thrown into the top left corner.
    const start = await page.evaluate(() => { const r = document.querySelector('#Form1 .caption').getBoundingClientRect(); return { x: r.right - 10, y: r.y + 10 }; });
    await page.drag(start, { x: 1, y: 1 });
    const moved = await page.evaluate(() => { const w = document.querySelector('#Form1'); return { x: w.offsetLeft, y: w.offsetTop, width: w.offsetWidth }; });
    assert(moved.y === 0 && moved.x < 0 && moved.x + moved.width >= 40,
        `the window left the page: ${JSON.stringify(moved)}`);
    const grip = { x: moved.x + moved.width - 40, y: 10 }; // clear of the close box
    await page.drag(grip, { x: grip.x + 140, y: grip.y + 100 });
    const back = await page.evaluate(() => { const w = document.querySelector('#Form1'); return [w.offsetLeft, w.offsetTop]; });
    equal([back[0] - moved.x, back[1]], [140, 100], 'dragged back by');
    // The middle button does not take the window.
    const title = await page.evaluate(() => { const r = document.querySelector('#Form1 .caption').getBoundingClientRect(); return { x: r.right - 40, y: r.y + 10 }; });
    await page.drag(title, { x: title.x + 50, y: title.y + 50 }, 4, 'middle');
    const after = await page.evaluate(() => { const w = document.querySelector('#Form1'); return [w.offsetLeft, w.offsetTop]; });
    equal(after, back, 'the window after a drag by the middle button');
});

test('the last window closing ends the program, and it starts again', async (page) => {
    await started(page);
    await click(page, await getProgram(page));
    await click(page, '#Form4 .close');
    await click(page, '#Form1 .close');
    const again = await page.find('button', 'Start Trimvale again');
    equal(await openWindows(page), [], 'open windows');
    equal(await page.evaluate((s) => document.querySelector(s) === document.activeElement, again), true,
        'the focus on "Start again"');
    await click(page, again);
    await waitFor(async () => (await openWindows(page)).includes('Form1'), 'a new questionnaire');
    equal(await page.evaluate((s) => document.querySelector(s).checked, box('Check1')), false, 'a fresh questionnaire');
});

test('the close box: one more stop after the last control, and the focus back after it', async (page) => {
    await started(page);
    await page.evaluate(() => document.querySelector('#Form1-Command2').focus());
    await page.press('Tab');
    equal(await focused(page), 'Form1-close', 'Tab from the last control');
    await page.press('Tab');
    equal(await focused(page), 'Form1-Check1', 'Tab from the close box');
    await page.press('Tab', true);
    equal(await focused(page), 'Form1-close', 'Shift+Tab from the first control');
    await click(page, box('Check12'));
    await page.evaluate(() => document.querySelector('#Form1-Command1').focus());
    await page.press('Enter');
    await waitFor(async () => (await openWindows(page)).includes('Form2'), 'Form2');
    await click(page, '#Form2 .close');
    equal(await focused(page), 'Form1-Command1', 'the focus back in the questionnaire');
});

test('a keyboard-only session: every window opened and closed, the end, a new start', async (page) => {
    await started(page);
    await page.evaluate(() => {
        window.pointerEvents = 0;
        for (const type of ['pointerdown', 'pointerup', 'mousedown', 'mouseup', 'touchstart'])
            window.addEventListener(type, () => { window.pointerEvents += 1; }, true);
    });
    const tabTo = async (target) => {
        for (let i = 0; i < 25 && await focused(page) !== target; ++i) await page.press('Tab');
        equal(await focused(page), target, 'the focus after tabbing');
    };
    for (const [i, board] of BOARDS.entries()) {
        for (const name of board.boxes) {
            await tabTo(`Form1-${name}`);
            await page.press('Space');
        }
        await tabTo('Form1-Command1');
        await page.press('Enter');
        await waitFor(async () => (await openWindows(page)).includes(board.opens), board.opens);
        equal(await openWindows(page), ['Form1', board.opens], `windows after ${board.name}`);
        equal(await focused(page), board.opens === 'Form4' ? 'Form4' : `${board.opens}-Text1`,
            `the focus in ${board.opens}`);
        await tabTo(`${board.opens}-close`);
        await page.press(i % 2 ? 'Space' : 'Enter');
        await waitFor(async () => !(await openWindows(page)).includes(board.opens), `${board.opens} closed`);
        equal(await focused(page), 'Form1-Command1', `the focus back after closing ${board.opens}`);
        await tabTo('Form1-Command2');
        await page.press('Space');
    }
    await tabTo('Form1-close');
    await page.press('Enter');
    await waitFor(() => page.evaluate(() => !document.getElementById('ended').hidden), 'the end');
    equal(await page.evaluate(() => document.activeElement.id), 'start-again', 'the focus on "Start again"');
    await page.press('Enter');
    await waitFor(async () => await focused(page) === 'Form1-Check1', 'the focus in the new questionnaire');
    equal(await page.evaluate(() => window.pointerEvents), 0, 'pointer events');
});

// Every screen: each window opened in turn, every control within reach.
async function everyControlWithinReach(page) {
    await started(page);
    equal(await unreachable(page), [], 'out of reach in the questionnaire');
    for (const board of BOARDS) {
        await click(page, '#Form1-Command2');
        for (const name of board.boxes) await click(page, box(name));
        await click(page, '#Form1-Command1');
        await waitFor(async () => (await openWindows(page)).includes(board.opens), board.opens);
        const corner = await page.evaluate((name) => {
            const r = document.getElementById(name).getBoundingClientRect();
            return [r.x, r.y];
        }, board.opens);
        assert(corner[0] >= 0 && corner[1] >= 0, `${board.opens} opened with its corner at ${corner}`);
        equal(await unreachable(page), [], `out of reach with ${board.opens} open`);
        await click(page, `#${board.opens} .close`);
    }
}
test('1024 x 600: every control of every window within reach', everyControlWithinReach,
    { width: 1024, height: 600 });
test('640 CSS pixels at scale 2, as at 200 % zoom: every control within reach', everyControlWithinReach,
    { width: 640, height: 400, scale: 2, engines: ['chromium', 'firefox'] });

// A press as a person makes it: the control brought to the middle of the
// view, then a tap of a finger (Chromium's touch) or a click at its middle.
async function pressAt(page, selector, touch) {
    await page.evaluate((s) => document.querySelector(s).scrollIntoView({ block: 'center', inline: 'center' }), selector);
    const at = await centre(page, selector);
    await (touch ? page.tap(at.x, at.y) : page.click(at.x, at.y));
}
// What a phone's reader would miss: sideways scrolling, a target under 44 x 44
// pixels, text under 16 pixels.
const phoneProblems = (page) => page.evaluate(() => {
    const problems = [];
    const desk = document.getElementById('desk');
    if (desk.scrollWidth > desk.clientWidth) problems.push(`the desk scrolls sideways by ${desk.scrollWidth - desk.clientWidth}`);
    for (const w of document.querySelectorAll('#desk > .window:not([hidden])')) {
        for (const target of w.querySelectorAll('.close, .tick-box, .push-button')) {
            const r = target.getBoundingClientRect();
            if (r.width < 44 || r.height < 44)
                problems.push(`${target.id || `${w.id} close box`} is ${Math.round(r.width)} x ${Math.round(r.height)}`);
        }
        const texts = document.createTreeWalker(w, NodeFilter.SHOW_TEXT);
        for (let node; (node = texts.nextNode());) {
            const size = parseFloat(getComputedStyle(node.parentElement).fontSize);
            if (node.textContent.trim() && node.parentElement.getClientRects().length && size < 16)
                problems.push(`"${node.textContent.trim().slice(0, 24)}" at ${size} px`);
        }
    }
    return problems;
});
// The questionnaire's row headings, top to bottom, each standing above its boxes.
const rowsTopToBottom = (page) => page.evaluate(() => [...document.querySelectorAll('#Form1 [role="group"]')]
    .map((row) => ({ row, heading: document.getElementById(row.getAttribute('aria-labelledby')) }))
    .sort((a, b) => a.row.getBoundingClientRect().top - b.row.getBoundingClientRect().top)
    .map(({ row, heading }) => heading.getBoundingClientRect().bottom <= row.getBoundingClientRect().top
        ? heading.textContent : `${heading.textContent} beside its boxes`));

const PHONES = { chromium: [[320, 568], [360, 740]], firefox: [[320, 568], [360, 740]], webkit: [[447, 740]] };
for (const [width, height] of PHONES[engineName]) {
    const touch = engineName === 'chromium';
    test(`a phone, ${width} x ${height}${touch ? ' by touch' : ''}: every window one column, read and pressed without zooming, a whole session`, async (page) => {
        await started(page);
        equal(await rowsTopToBottom(page), ['Weight', 'Growth', 'Age', 'Sex'], 'the rows');
        equal(await phoneProblems(page), [], 'the questionnaire');
        equal(await unreachable(page), [], 'out of reach in the questionnaire');
        for (const board of BOARDS) {
            await pressAt(page, '#Form1-Command2', touch);
            for (const name of board.boxes) await pressAt(page, `#Form1-${name}`, touch);
            await pressAt(page, '#Form1-Command1', touch);
            await waitFor(async () => (await openWindows(page)).includes(board.opens), board.opens);
            equal(await phoneProblems(page), [], `with ${board.opens} open`);
            equal(await unreachable(page), [], `out of reach with ${board.opens} open`);
            await pressAt(page, `#${board.opens} .close`, touch);
            await waitFor(async () => !(await openWindows(page)).includes(board.opens), `${board.opens} closed`);
        }
        await pressAt(page, '#Form1 .close', touch);
        await waitFor(() => page.evaluate(() => !document.getElementById('ended').hidden), 'the end');
        await pressAt(page, '#start-again', touch);
        await waitFor(async () => (await openWindows(page)).includes('Form1'), 'a new questionnaire');
    }, { width, height, touch });
}

test('a tablet, by finger and pen: a window dragged by its title bar, the page not panned', async (page) => {
    await started(page);
    const title = await page.evaluate(() => { const r = document.querySelector('#Form1 .caption').getBoundingClientRect(); return { x: r.x + 10, y: r.y + 10 }; });
    const place = () => page.evaluate(() => [document.getElementById('Form1').offsetLeft, document.getElementById('Form1').offsetTop]);
    const before = await place();
    await page.touchDrag(title, { x: title.x + 60, y: title.y + 80 });
    equal(await place(), [before[0] + 60, before[1] + 80], 'the window dragged by a finger to');
    const moved = await page.evaluate(() => { const r = document.querySelector('#Form1 .caption').getBoundingClientRect(); return { x: r.x + 10, y: r.y + 10 }; });
    await page.penDrag(moved, { x: moved.x - 30, y: moved.y - 40 });
    equal(await place(), [before[0] + 30, before[1] + 40], 'the window dragged by a pen to');
    const scrolled = await page.evaluate(() => [document.scrollingElement.scrollLeft, document.scrollingElement.scrollTop]);
    equal(scrolled, [0, 0], 'the page panned by the drag');
}, { width: 1024, height: 600, touch: true, engines: ['chromium'] });

// WebKit draws its scroll bars over the desk's edge: a close box must still take a click there.
for (const [what, url, width, height] of [['447 x 400', undefined, 447, 400],
    ['a 600 x 400 frame', `http://127.0.0.1:${server.address().port}/framed-600x400.html`, 1280, 800]]) {
    test(`WebKit, ${what}: every close box closes its window by a click`, async (page) => {
        // The page itself, or the one in the frame.
        const clickOn = async (selector) => {
            const at = await page.evaluate((s) => {
                const frame = document.querySelector('iframe');
                const e = (frame ? frame.contentDocument : document).querySelector(s);
                e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
                const r = e.getBoundingClientRect(), offset = frame?.getBoundingClientRect() ?? { x: 0, y: 0 };
                return { x: offset.x + r.x + r.width / 2, y: offset.y + r.y + r.height / 2 };
            }, selector);
            await page.click(at.x, at.y);
        };
        const shown = (selector) => page.evaluate((s) => {
            const frame = document.querySelector('iframe');
            return [...((frame ? frame.contentDocument : document)?.querySelectorAll(s) ?? [])]
                .filter((e) => !e.hidden).map((e) => e.id);
        }, selector);
        const open = () => shown('#desk > .window:not(.prerendered)');
        await waitFor(async () => (await open()).includes('Form1'), 'the program to start', START);
        for (const board of BOARDS) {
            await clickOn('#Form1-Command2');
            for (const name of board.boxes) await clickOn(`#Form1-${name} input`);
            await clickOn('#Form1-Command1');
            await waitFor(async () => (await open()).includes(board.opens), board.opens);
            await clickOn(`#${board.opens} .close`);
            await waitFor(async () => !(await open()).includes(board.opens), `${board.opens} closed by its close box`);
        }
        await clickOn('#Form1 .close');
        await waitFor(async () => (await shown('#ended')).length, 'the end');
    }, { url, width, height, engines: ['webkit'] });
}

test('a 300 x 300 frame: every control within reach', async (page) => {
    await waitFor(() => page.evaluate(() => {
        const doc = document.querySelector('iframe').contentDocument;
        return !!doc?.querySelector('#Form1:not(.prerendered)');
    }), 'the framed program to start', START);
    const missed = await page.evaluate(() => {
        const doc = document.querySelector('iframe').contentDocument;
        const missed = [];
        for (const control of doc.querySelectorAll('#Form1 :is(.close, .tick-box, .push-button, .text-box)')) {
            const target = control.matches('.tick-box') ? control.querySelector('input') : control;
            target.scrollIntoView({ block: 'nearest', inline: 'nearest' });
            const r = target.getBoundingClientRect();
            const hit = doc.elementFromPoint(Math.min(r.x + r.width / 2, r.x + 4), r.y + r.height / 2);
            if (!hit || !(control.contains(hit) || hit.contains(target))) missed.push(control.id || 'close box');
        }
        return missed;
    });
    equal(missed, [], 'out of reach in the frame');
}, { url: `http://127.0.0.1:${server.address().port}/framed-300x300.html`, engines: ['chromium', 'firefox'] });

test('the focus never scrolls the page where it cannot be scrolled back', async (page) => {
    await started(page);
    // The notice's title bar dragged to the top, the questionnaire 480 px down, then Tab.
    await click(page, '#Form1-Command1');
    await waitFor(async () => (await openWindows(page)).includes('Form4'), 'the notice');
    const notice = await page.evaluate(() => { const r = document.querySelector('#Form4 .caption').getBoundingClientRect(); return { x: r.x + 10, y: r.y + 10 }; });
    await page.drag(notice, { x: notice.x, y: 0 });
    const form1 = await page.evaluate(() => { const r = document.querySelector('#Form1 .caption').getBoundingClientRect(); return { x: r.x + 10, y: r.y + 10 }; });
    await page.drag(form1, { x: form1.x, y: form1.y + 480 });
    await click(page, box('Check5'));
    for (let i = 0; i < 3; ++i) await page.press('Tab');
    equal(await titleBarsOutOfReach(page), [], 'out of reach after tabbing');
    // Sideways: the questionnaire 1,000 px to the right, a press on the empty desk, Tab.
    const again = await page.evaluate(() => { const r = document.querySelector('#Form1 .caption').getBoundingClientRect(); return { x: r.x + 10, y: r.y + 10 }; });
    const right = await page.evaluate(() => innerWidth - 5);
    await page.drag(again, { x: right, y: again.y });
    await page.click(5, 5);
    await page.press('Tab');
    equal(await titleBarsOutOfReach(page), [], 'out of reach after tabbing sideways');
});

test('high contrast: greyed captions, the front title bar and the lines stay distinct', async (page) => {
    await started(page);
    await click(page, box('Check2'));
    await click(page, '#Form1-Command1');
    await waitFor(async () => (await openWindows(page)).length === 2, 'a result window');
    const looks = await page.evaluate(() => {
        const colour = (s, p = 'color') => getComputedStyle(document.querySelector(s))[p];
        return {
            greyed: colour('#Form1-Check1 span'), enabled: colour('#Form1-Check6 span'),
            line: colour('#Form1-Line1', 'backgroundColor'), client: colour('#Form1 .client', 'backgroundColor'),
            front: colour('.window.front > .title-bar', 'backgroundColor'),
            back: colour('.window:not(.front) > .title-bar', 'backgroundColor'),
            forced: matchMedia('(forced-colors: active)').matches,
        };
    });
    equal(looks.forced, true, 'forced colours in effect');
    assert(looks.greyed !== looks.enabled, `a greyed caption looks like an enabled one: ${looks.greyed}`);
    assert(looks.line !== looks.client, `the lines vanish: ${looks.line}`);
    assert(looks.front !== looks.back, `the front title bar looks like the others: ${looks.front}`);
}, { media: [{ name: 'forced-colors', value: 'active' }], engines: ['chromium'] });

test('a dark scheme: the windows keep their colours, the page its readable words', async (page) => {
    await started(page);
    const colours = await page.evaluate(() => [getComputedStyle(document.querySelector('#Form1 .client')).backgroundColor,
        getComputedStyle(document.querySelector('#Form1-Label6')).backgroundColor, matchMedia('(prefers-color-scheme: dark)').matches]);
    equal(colours, ['rgb(227, 227, 227)', 'rgb(255, 192, 192)', true], 'the questionnaire in a dark scheme');
    await click(page, '#Form1 .close');
    const contrast = await page.evaluate(() => {
        const rgb = (c) => c.match(/\d+/g).slice(0, 3).map(Number).map((v) => v / 255)
            .map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4));
        const lum = (c) => { const [r, g, b] = rgb(c); return 0.2126 * r + 0.7152 * g + 0.0722 * b; };
        const text = getComputedStyle(document.querySelector('#ended p')).color;
        const ground = getComputedStyle(document.body).backgroundColor;
        const [a, b] = [lum(text), lum(ground)].sort((x, y) => y - x);
        return (a + 0.05) / (b + 0.05);
    });
    assert(contrast >= 4.5, `the "ended" message's contrast is ${contrast.toFixed(2)}`);
}, { media: [{ name: 'prefers-color-scheme', value: 'dark' }], engines: ['chromium'] });

const cannotStart = (page) => page.evaluate(() => {
    const said = [...document.querySelectorAll('.cannot-start')].find((p) => p.getClientRects().length);
    const questionnaire = getComputedStyle(document.querySelector('#Form1'));
    return { said: said?.textContent ?? '', questionnaireOpacity: Number(questionnaire.opacity),
        starting: getComputedStyle(document.querySelector('#Form1 > .title-bar'), '::after').content };
});
test('without JavaScript: one sentence says why, and no box pretends to work', async (page) => {
    const seen = await cannotStart(page);
    equal(seen.said, 'Trimvale needs JavaScript and WebAssembly, which this browser does not run.', 'the sentence');
    assert(seen.questionnaireOpacity < 1 && seen.starting === 'none', `the questionnaire looks usable: ${JSON.stringify(seen)}`);
}, { javaScript: false, engines: ['chromium'] });
test('without WebAssembly: the same sentence', async (page) => {
    await waitFor(async () => (await cannotStart(page)).said, 'the sentence', START);
    const seen = await cannotStart(page);
    equal(seen.said, 'Trimvale needs JavaScript and WebAssembly, which this browser does not run.', 'the sentence');
    assert(seen.questionnaireOpacity < 1, 'the questionnaire looks usable');
    page.messages.length = 0; // the program's own refusal to start
}, { beforeScript: () => { delete globalThis.WebAssembly; }, engines: ['chromium'] });

test('a slow device: while starting the questionnaire says so and a click is not half-done', async (page) => {
    // The page may still be starting: a box pressed now is either refused plainly or carried out.
    const early = await page.evaluate(() => {
        const w = document.querySelector('#Form1');
        return { starting: w.classList.contains('prerendered'), busy: w.getAttribute('aria-busy'),
            cursor: getComputedStyle(w).cursor, note: getComputedStyle(w.querySelector('.title-bar'), '::after').content };
    });
    if (early.starting) equal([early.busy, early.cursor, early.note], ['true', 'progress', '"starting"'], 'a starting questionnaire');
    await click(page, box('Check3'));
    await started(page);
    const state = await page.evaluate(() => [document.querySelector('#Form1-Check3 input').checked,
        document.querySelector('#Form1-Check1 input').disabled]);
    assert(state[0] === state[1], `half done: Check3 ticked ${state[0]}, Check1 greyed ${state[1]}`);
}, { cpuSlowdown: 20, engines: ['chromium'] });

test('what a screen reader gets: roles, names, descriptions, the live region', async (page) => {
    await started(page);
    const cdp = await page.page.createCDPSession();
    const tree = async () => (await cdp.send('Accessibility.getFullAXTree')).nodes.filter((n) => !n.ignored);
    const named = (nodes, role) => nodes.filter((n) => n.role?.value === role)
        .map((n) => ({ name: n.name?.value ?? '', description: n.description?.value ?? '' }));
    let nodes = await tree();
    equal(named(nodes, 'dialog').map((n) => n.name), ['Orvane'], 'dialogs');
    equal(named(nodes, 'group').map((n) => n.name), ['Weight', 'Growth', 'Age', 'Sex'], 'row groups');
    equal(named(nodes, 'checkbox').length, 16, 'check boxes');
    equal(named(nodes, 'button').map((n) => n.name),
        ['Close Orvane', 'get individual program', 'Clear Forms'], 'buttons');
    equal(nodes.some((n) => (n.name?.value ?? '').includes('\u00d7')), false, 'the close box read as a cross');
    const weightGroup = nodes.find((n) => n.role?.value === 'group' && n.name?.value === 'Weight');
    equal(weightGroup.childIds.length, 5, 'boxes in the Weight row');

    await click(page, box('Check2'));
    equal(await page.evaluate(() => [document.getElementById('announcements').getAttribute('aria-live'),
        document.getElementById('announcements').textContent]), ['polite', WEIGHT_ANSWERED], 'announced');
    await click(page, '#Form1-Command2');
    equal(await page.evaluate(() => document.getElementById('announcements').textContent), CLEARED, 'announced');
    await click(page, '#Form1-Command1');
    await waitFor(async () => (await openWindows(page)).includes('Form4'), 'the notice');
    nodes = await tree();
    equal(named(nodes, 'alertdialog'), [{ name: 'Youre personal program',
        description: form('Form4').controls[0].text }], 'the notice');
    equal(named(nodes, 'button').map((n) => n.name).filter((n) => n.startsWith('Close')),
        ['Close Orvane', 'Close Youre personal program'], 'the close boxes');
    equal(await page.evaluate(() => [...document.querySelectorAll('.line')].map((l) => l.getAttribute('aria-hidden'))),
        ['true', 'true', 'true', 'true'], 'lines hidden from assistive technology');
}, { engines: ['chromium'] });

test('served from a folder: a manifest to install it by, and a worker that opens it offline', async (page) => {
    await started(page);
    const manifest = JSON.parse(readFileSync(join(servedFolder, 'manifest.webmanifest'), 'utf8'));
    equal([manifest.name, manifest.short_name, manifest.display, manifest.start_url],
        ['Trimvale', 'Trimvale', 'standalone', './'], 'the manifest');
    equal(manifest.icons.map((icon) => icon.sizes), ['192x192', '512x512'], 'the icons');
    equal(await page.evaluate(() => document.querySelector('link[rel="manifest"]')?.getAttribute('href')),
        'manifest.webmanifest', 'the manifest named by the page');
    const worker = await page.evaluate(() => navigator.serviceWorker.ready
        .then((registration) => registration.active?.scriptURL));
    assert(worker?.endsWith('/app/sw.js'), `the worker: ${worker}`);
    // Installing and a network turned off: what Chromium's protocol offers.
    if (engineName !== 'chromium') return;
    const cdp = await page.page.createCDPSession();
    equal((await cdp.send('Page.getAppManifest')).errors, [], 'errors in the manifest');
    equal((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, [], 'why it cannot be installed');
    await page.page.setOfflineMode(true);
    folderOffline = true; // the worker's own requests too
    await page.page.reload();
    await started(page);
    await click(page, box('Check12'));
    await click(page, await getProgram(page));
    await waitFor(async () => (await openWindows(page)).includes('Form2'), 'a program, offline');
    equal(page.messages, [], 'console messages');
}, { url: `http://127.0.0.1:${server.address().port}/app/`, lasting: true });

test('more contrast when the system asks: every text of the questionnaire at 4.5 : 1, the designed look otherwise', async (page) => {
    await started(page);
    const looks = () => page.evaluate(() => {
        const rgb = (c) => c.match(/[\d.]+/g).slice(0, 3).map((v) => Number(v) / 255)
            .map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4));
        const lum = (c) => { const [r, g, b] = rgb(c); return 0.2126 * r + 0.7152 * g + 0.0722 * b; };
        const ground = (e) => {
            for (; e; e = e.parentElement) {
                const c = getComputedStyle(e).backgroundColor;
                if (!/rgba\(.*, 0\)|transparent/.test(c)) return c;
            }
            return 'rgb(255, 255, 255)';
        };
        const lowest = {};
        for (const e of document.querySelectorAll('#Form1 :is(.label, .tick-box:not(.greyed) span, .push-button)')) {
            const [a, b] = [lum(getComputedStyle(e).color), lum(ground(e))].sort((x, y) => y - x);
            lowest[e.id || e.parentElement.id] = Math.round((a + 0.05) / (b + 0.05) * 10) / 10;
        }
        return { lowest: Math.min(...Object.values(lowest)), heading: getComputedStyle(document.getElementById('Form1-Label2')).color };
    });
    const more = await looks();
    assert(more.lowest >= 4.5, `under more contrast, text at ${more.lowest} : 1`);
    await (await page.page.createCDPSession()).send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-contrast', value: 'no-preference' }] });
    equal((await looks()).heading, 'rgb(0, 128, 0)', 'a heading without the preference');
}, { media: [{ name: 'prefers-contrast', value: 'more' }], engines: ['chromium'] });

let failed = 0, ran = 0;
// PAGE_TEST_ONLY=words runs only the cases whose names hold them.
for (const { name, fn, options } of cases) {
    if (options.engines && !options.engines.includes(engineName)) continue;
    if (process.env.PAGE_TEST_ONLY && !name.includes(process.env.PAGE_TEST_ONLY)) continue;
    // MiniBrowser will not go narrower than 447 pixels.
    if (engineName === 'webkit' && (options.width ?? 1280) < 447) continue;
    ran += 1;
    let page;
    try {
        page = await engine.open(options.url ?? origins[options.origin ?? 'file'], options);
        await fn(page);
        console.log(`ok - ${engineName}: ${name}`);
    } catch (error) {
        failed += 1;
        console.log(`not ok - ${engineName}: ${name}\n  ${error.message.split('\n').join('\n  ')}`);
    } finally {
        await page?.close();
    }
}
await engine.close();
server.close();
console.log(`${engineName}: ${ran - failed} of ${ran} cases passed`);
process.exit(failed ? 1 : 0);
