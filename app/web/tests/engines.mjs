// The three browser engines Debian 12 packages, driven the same way from
// node, and never downloaded: Chromium and Firefox ESR through puppeteer-core
// (CDP and WebDriver BiDi), WebKitGTK's MiniBrowser through WebKitWebDriver and
// selenium-webdriver, on an X display of its own. Each page offers what the
// tests need: script in the page, real mouse, key and (Chromium) touch input,
// controls found by role and name, screenshots, and what the page said.
import { spawn } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';
import { Builder, Button, By, Key } from 'selenium-webdriver';

export const ENGINES = ['chromium', 'firefox', 'webkit'];

const CHROMIUM_FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// How long a wait may take: a start (the browser, the page's program) takes
// time on a busy machine; anything the page does in answer to input is done
// in a moment, so a broken case fails in seconds, not half a minute.
export const START = 30_000;
export const REACTION = 5_000;

// Polls `condition` until it holds; throws with `what` once `within` ms pass.
export async function waitFor(condition, what, within = REACTION) {
    const deadline = Date.now() + within;
    for (;;) {
        const value = await condition();
        if (value) return value;
        if (Date.now() > deadline) throw new Error(`waited ${within / 1000} s in vain for ${what}`);
        await sleep(20);
    }
}

// A control by its role and accessible name, tagged so that script can find it again.
let tags = 0;
async function tag(page, handle) {
    const ref = `t${++tags}`;
    await page.evaluate((element, value) => element.setAttribute('data-test-ref', value), handle, ref);
    return `[data-test-ref="${ref}"]`;
}

class PuppeteerPage {
    constructor(engine, page) {
        this.engine = engine;
        this.page = page;
        this.messages = [];
        this.requests = [];
        page.on('console', (m) => ['error', 'warn', 'warning'].includes(m.type()) &&
            this.messages.push(`${m.type()}: ${m.text()}`));
        page.on('pageerror', (e) => this.messages.push(`page error: ${e.message}`));
        page.on('request', (r) => this.requests.push(r.url()));
    }
    async goto(url) { await this.page.goto(url); }
    evaluate(fn, ...args) { return this.page.evaluate(fn, ...args); }
    async find(role, name) {
        const handle = await waitFor(() => this.page.$(`aria/${name}[role="${role}"]`),
            `the ${role} "${name}"`);
        return tag(this.page, handle);
    }
    click(x, y) { return this.page.mouse.click(x, y); }
    async drag(from, to, steps = 4, button = 'left') {
        await this.page.mouse.move(from.x, from.y);
        await this.page.mouse.down({ button });
        await this.page.mouse.move(to.x, to.y, { steps });
        await this.page.mouse.up({ button });
    }
    async press(key, shift = false) {
        if (shift) await this.page.keyboard.down('Shift');
        await this.page.keyboard.press(key === 'Space' ? ' ' : key);
        if (shift) await this.page.keyboard.up('Shift');
    }
    async tap(x, y) { await this.page.touchscreen.tap(x, y); }
    async touchDrag(from, to, steps = 4) {
        await this.page.touchscreen.touchStart(from.x, from.y);
        for (let i = 1; i <= steps; ++i)
            await this.page.touchscreen.touchMove(from.x + (to.x - from.x) * i / steps,
                from.y + (to.y - from.y) * i / steps);
        await this.page.touchscreen.touchEnd();
    }
    // A pen's stroke, through CDP (Chromium).
    async penDrag(from, to) {
        const cdp = await this.page.createCDPSession();
        const send = (type, at, buttons) => cdp.send('Input.dispatchMouseEvent', { type, x: at.x, y: at.y,
            button: 'left', buttons, clickCount: 1, pointerType: 'pen' });
        await send('mousePressed', from, 1);
        await send('mouseMoved', { x: (from.x + to.x) / 2, y: (from.y + to.y) / 2 }, 1);
        await send('mouseMoved', to, 1);
        await send('mouseReleased', to, 0);
        await cdp.detach();
    }
    async screenshot(path, clip) { await this.page.screenshot({ path, clip }); }
    async close() { await this.page.close(); }
}

class PuppeteerEngine {
    constructor(name) { this.name = name; }
    async start() {
        this.browser = await puppeteer.launch(this.name === 'chromium'
            ? { browser: 'chrome', executablePath: '/usr/bin/chromium', headless: true, args: CHROMIUM_FLAGS }
            : { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true });
        return this;
    }
    // options: width, height, scale, touch, javaScript, media (a list of
    // { name, value } media features, Chromium), cpuSlowdown (Chromium),
    // lasting (the browser's own profile, not a private one: what installing needs)
    async open(url, options = {}) {
        const context = options.lasting ? this.browser.defaultBrowserContext()
            : await this.browser.createBrowserContext();
        const page = await context.newPage();
        await page.setViewport({ width: options.width ?? 1280, height: options.height ?? 800,
            deviceScaleFactor: options.scale ?? 1, hasTouch: !!options.touch, isMobile: !!options.touch });
        if (options.javaScript === false) await page.setJavaScriptEnabled(false);
        // Through CDP itself: puppeteer refuses media features it does not know (forced-colors).
        if (options.media) await (await page.createCDPSession()).send('Emulation.setEmulatedMedia', { features: options.media });
        if (options.cpuSlowdown) await page.emulateCPUThrottling(options.cpuSlowdown);
        if (options.beforeScript) await page.evaluateOnNewDocument(options.beforeScript);
        const wrapped = new PuppeteerPage(this, page);
        wrapped.close = async () => (options.lasting ? page.close() : context.close());
        if (url) await wrapped.goto(url);
        return wrapped;
    }
    async close() { await this.browser.close(); }
}

class WebKitPage {
    constructor(engine) {
        this.engine = engine;
        this.driver = engine.driver;
        // WebKitWebDriver has no console and no network events: see the README.
        this.messages = [];
        this.requests = [];
    }
    async goto(url) { await this.driver.get(url); }
    async evaluate(fn, ...args) {
        const result = await this.driver.executeAsyncScript(
            `const done = arguments[arguments.length - 1];
             Promise.resolve((${fn}).apply(null, Array.from(arguments).slice(0, -1)))
                 .then((value) => done({ value }), (error) => done({ error: String(error) }));`,
            ...args);
        if (result && 'error' in result) throw new Error(result.error);
        return result?.value;
    }
    async find(role, name) {
        const candidates = { button: 'button', checkbox: 'input[type=checkbox]', textbox: 'textarea',
            dialog: 'section', alertdialog: 'section', group: '[role=group]' }[role] ?? '*';
        const handle = await waitFor(async () => {
            for (const element of await this.driver.findElements(By.css(candidates))) {
                if (await element.getAriaRole() === role &&
                    (await element.getAccessibleName()).includes(name))
                    return element;
            }
            return null;
        }, `the ${role} "${name}"`);
        const ref = `t${++tags}`;
        await this.driver.executeScript('arguments[0].setAttribute("data-test-ref", arguments[1])', handle, ref);
        return `[data-test-ref="${ref}"]`;
    }
    actions() { return this.driver.actions({ async: true }); }
    click(x, y) {
        return this.actions().move({ x: Math.round(x), y: Math.round(y), origin: 'viewport' })
            .press().release().perform();
    }
    async drag(from, to, steps = 4, button = 'left') {
        const pressed = { left: Button.LEFT, middle: Button.MIDDLE, right: Button.RIGHT }[button];
        let chain = this.actions().move({ x: Math.round(from.x), y: Math.round(from.y), origin: 'viewport' }).press(pressed);
        for (let i = 1; i <= steps; ++i)
            chain = chain.move({ x: Math.round(from.x + (to.x - from.x) * i / steps),
                y: Math.round(from.y + (to.y - from.y) * i / steps), origin: 'viewport' });
        await chain.release(pressed).perform();
    }
    async press(key, shift = false) {
        const code = { Tab: Key.TAB, Enter: Key.ENTER, Space: Key.SPACE, Escape: Key.ESCAPE }[key] ?? key;
        let chain = this.actions();
        if (shift) chain = chain.keyDown(Key.SHIFT);
        chain = chain.keyDown(code).keyUp(code);
        if (shift) chain = chain.keyUp(Key.SHIFT);
        await chain.perform();
    }
    async screenshot(path, clip) {
        // WebKit's shots can lag a frame behind the page.
        await this.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
        const png = Buffer.from(await this.driver.takeScreenshot(), 'base64');
        if (!clip) return writeFileSync(path, png);
        const { execFileSync } = await import('node:child_process');
        const scale = await this.evaluate(() => devicePixelRatio);
        execFileSync('convert', ['png:-', '-crop',
            `${Math.round(clip.width * scale)}x${Math.round(clip.height * scale)}+${Math.round(clip.x * scale)}+${Math.round(clip.y * scale)}`,
            '+repage', path], { input: png });
    }
    async close() { await this.driver.get('about:blank'); }
}

async function freePort() {
    const server = createServer();
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    await new Promise((resolve) => server.close(resolve));
    return port;
}

class WebKitEngine {
    constructor() { this.name = 'webkit'; }
    async start() {
        let display = process.env.DISPLAY;
        if (!display) {
            this.xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1920x1200x24', '-nolisten', 'tcp'],
                { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
            display = `:${(await new Promise((resolve) => this.xvfb.stdio[3].once('data', resolve)))
                .toString().trim()}`;
        }
        const port = await freePort();
        this.server = spawn('/usr/bin/WebKitWebDriver', [`--port=${port}`],
            { stdio: 'ignore', env: { ...process.env, DISPLAY: display } });
        this.driver = await waitFor(async () => {
            try {
                return await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
                    browserName: 'MiniBrowser',
                    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
                }).build();
            } catch {
                return null;
            }
        }, 'WebKitWebDriver', START);
        return this;
    }
    async open(url, options = {}) {
        await this.resize(options.width ?? 1280, options.height ?? 800);
        const page = new WebKitPage(this);
        if (url) await page.goto(url);
        return page;
    }
    // WebDriver sets the window's outer size, toolbar included, and the page
    // learns its new inner size a moment later: on a busy machine a size read
    // straight after a resize can still be the old one. So the window is sized
    // by what the page reports once it has caught up, and measured again until
    // the page is exactly as large as asked.
    async resize(width, height) {
        const window = this.driver.manage().window();
        const inner = () => this.driver.executeScript('return [innerWidth, innerHeight]');
        for (let attempt = 1; ; ++attempt) {
            const [rect, [innerWidth, innerHeight]] = [await window.getRect(), await inner()];
            if (innerWidth === width && innerHeight === height) return;
            if (attempt > 3)
                throw new Error(`the page is ${innerWidth} x ${innerHeight}, not ${width} x ${height}`);
            await window.setRect({ width: rect.width + width - innerWidth, height: rect.height + height - innerHeight });
            // A size read before the page had caught up gives a wrong one: read again.
            await waitFor(async () => {
                const [w, h] = await inner();
                return w === width && h === height;
            }, `the page at ${width} x ${height}`).catch(() => {});
        }
    }
    async close() {
        await this.driver.quit();
        this.server.kill();
        this.xvfb?.kill();
    }
}

export async function launchEngine(name) {
    return name === 'webkit' ? new WebKitEngine().start() : new PuppeteerEngine(name).start();
}
