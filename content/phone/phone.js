// SPDX-License-Identifier: MIT
// The phone page: joins the room shown on the television and then presses
// the game's buttons for its player. Everything it shows comes from the
// game, its own words too (in the game's language, from /words.json); it
// keeps only its token, so that a reload comes back as the same player.
'use strict';
(() => {
  const $ = (id) => document.getElementById(id);
  const joinForm = $('join');
  const roomInput = $('room');
  const nameInput = $('name');
  const playView = $('play');
  const buttons = Array.from(document.querySelectorAll('[data-button]'));
  let token = localStorage.getItem('quizvaleToken') || '';
  let socket = null;
  let retryDelay = 500;
  let pinger = 0;
  // The page's words: its own English ones until the game's arrive. No
  // prototype, so a word's name is only ever a name.
  const words = Object.assign(Object.create(null), {
    full: 'The game is full.',
    wrongRoom: 'That is not the room code on the screen.',
    results: 'Results',
    waiting: 'You are in. The game starts soon.',
    watching: 'You are watching.',
    yourTurn: 'Your turn!',
    turnOf: "%s's turn",
  });
  let wordsLanguage = 'en';
  let wordsWanted = '';
  let lastState = null;
  let lastRefusal = '';

  function loadWords() {
    return fetch('/words.json', { cache: 'no-store' })
      .then((response) => (response.ok ? response.json() : null))
      .then((loaded) => {
        if (!loaded || typeof loaded.words !== 'object' || loaded.words === null) return;
        for (const [key, text] of Object.entries(loaded.words)) {
          if (typeof text === 'string' && text) words[key] = text;
        }
        if (typeof loaded.lang === 'string' && loaded.lang) {
          wordsLanguage = loaded.lang;
          document.documentElement.lang = loaded.lang;
        }
        for (const element of document.querySelectorAll('[data-word]')) {
          const text = words[element.dataset.word];
          if (text) element.textContent = text;
        }
        if (lastRefusal) $('joinError').textContent = refusalText(lastRefusal);
        if (lastState) render(lastState);
      })
      .catch(() => {});
  }

  // A help option's word on one line: a long one ("Podpowiedź") is drawn
  // smaller until it fits its quarter of the row, down to 11 px.
  function fitHelps() {
    for (const button of document.querySelectorAll('#helps button')) {
      button.style.fontSize = '';
      let size = parseFloat(getComputedStyle(button).fontSize);
      while (button.scrollWidth > button.clientWidth && size > 11) {
        size -= 1;
        button.style.fontSize = `${size}px`;
      }
    }
  }
  window.addEventListener('resize', fitHelps);

  function refusalText(reason) {
    return reason === 'full' ? words.full : words.wrongRoom;
  }

  const fromLink = new URLSearchParams(location.search).get('room');
  if (fromLink) roomInput.value = fromLink.toUpperCase().replace(/[^A-Z]/g, '').slice(0, 8);
  if (!roomInput.value) roomInput.focus(); else nameInput.focus();

  function showJoin(message) {
    joinForm.hidden = false;
    playView.hidden = true;
    lastRefusal = message || '';
    $('joinError').textContent = lastRefusal ? refusalText(lastRefusal) : '';
    $('joinButton').disabled = false;
  }

  function send(message) {
    if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(message));
  }

  function connect(first) {
    socket = new WebSocket(`ws://${location.host}/ws`);
    socket.onopen = () => {
      retryDelay = 500;
      socket.send(JSON.stringify(first));
      clearInterval(pinger);
      pinger = setInterval(() => send({ type: 'ping' }), 20000);
    };
    socket.onmessage = (event) => {
      let message;
      try { message = JSON.parse(event.data); } catch (e) { return; }
      if (message.type === 'joined') {
        token = message.token;
        localStorage.setItem('quizvaleToken', token);
        $('badge').textContent = message.name;
      } else if (message.type === 'refused') {
        if (message.reason === 'unknown') {
          token = '';
          localStorage.removeItem('quizvaleToken');
          showJoin('');
        } else {
          showJoin(message.reason === 'full' ? 'full' : 'room');
        }
      } else if (message.type === 'state') {
        render(message);
      }
    };
    socket.onclose = () => {
      clearInterval(pinger);
      socket = null;
      // Come back as the same phone once the game can be reached again.
      if (token) setTimeout(() => { if (!socket) connect({ type: 'join', token }); }, retryDelay);
      retryDelay = Math.min(retryDelay * 2, 5000);
    };
  }

  function render(state) {
    lastState = state;
    // The television changed its language: fetch the words once for it.
    if (typeof state.lang === 'string' && state.lang !== wordsLanguage && state.lang !== wordsWanted) {
      wordsWanted = state.lang;
      loadWords().finally(() => { wordsWanted = ''; });
    }
    joinForm.hidden = true;
    playView.hidden = false;
    const you = state.you || {};
    $('badge').textContent = `${you.name || ''} · ${state.room}`;
    let status;
    if (state.screen === 'results') status = words.results;
    else if (state.screen !== 'playing') status = you.role === 'player' || you.role === 'waiting'
      ? words.waiting : words.watching;
    else if (state.yourTurn) status = words.yourTurn;
    else status = words.turnOf.replace('%s', () => state.turnName || '');
    $('status').textContent = status;
    $('question').textContent = state.question || '';
    const enabled = new Set(state.enabled || []);
    const answers = state.answers || [];
    document.querySelectorAll('#answers button').forEach((button, i) => {
      button.querySelector('span').textContent = answers[i] || '';
      button.hidden = state.screen !== 'playing';
    });
    $('helps').hidden = !state.yourTurn;
    if (state.yourTurn) fitHelps();
    for (const button of buttons) button.disabled = !enabled.has(button.dataset.button);
    document.querySelector('[data-button="next"]').hidden = !enabled.has('next');
    const list = $('results');
    list.replaceChildren(...(state.results || []).map((r) => {
      const item = document.createElement('li');
      item.textContent = `${r.name}: ${r.money}`;
      return item;
    }));
    list.hidden = state.screen !== 'results';
  }

  for (const button of buttons) {
    button.addEventListener('click', () => {
      // One press a turn: the game answers with what is enabled next.
      for (const other of buttons) other.disabled = true;
      send({ type: 'press', button: button.dataset.button });
    });
  }

  joinForm.addEventListener('submit', (event) => {
    event.preventDefault();
    const room = roomInput.value.toUpperCase().trim();
    const name = nameInput.value.trim();
    if (!room || !name) return;
    $('joinButton').disabled = true;
    const message = { type: 'join', room, name };
    if (token) message.token = token;
    if (socket) socket.close();
    connect(message);
  });

  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible' && !socket && token) connect({ type: 'join', token });
  });

  // The words first, so the page shows in one language from its first paint;
  // a game that does not answer within a second leaves it in English.
  const shown = () => document.body.classList.remove('loading');
  setTimeout(shown, 1000);
  loadWords().finally(shown);
  if (token) connect({ type: 'join', token }); else showJoin('');
})();
