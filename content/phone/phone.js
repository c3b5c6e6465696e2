// SPDX-License-Identifier: MIT
// The phone page: joins the room shown on the television and then presses
// the game's buttons for its player. Everything it shows comes from the
// game; it keeps only its token, so that a reload comes back as the same
// player.
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

  const fromLink = new URLSearchParams(location.search).get('room');
  if (fromLink) roomInput.value = fromLink.toUpperCase().replace(/[^A-Z]/g, '').slice(0, 8);
  if (!roomInput.value) roomInput.focus(); else nameInput.focus();

  function showJoin(message) {
    joinForm.hidden = false;
    playView.hidden = true;
    $('joinError').textContent = message || '';
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
        } else if (message.reason === 'full') {
          showJoin('The game is full.');
        } else {
          showJoin('That is not the room code on the screen.');
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
    joinForm.hidden = true;
    playView.hidden = false;
    const you = state.you || {};
    $('badge').textContent = `${you.name || ''} · ${state.room}`;
    let status;
    if (state.screen === 'results') status = 'Results';
    else if (state.screen !== 'playing') status = you.role === 'player' || you.role === 'waiting'
      ? 'You are in. The game starts soon.' : 'You are watching.';
    else if (state.yourTurn) status = 'Your turn!';
    else status = `${state.turnName}'s turn`;
    $('status').textContent = status;
    $('question').textContent = state.question || '';
    const enabled = new Set(state.enabled || []);
    const answers = state.answers || [];
    document.querySelectorAll('#answers button').forEach((button, i) => {
      button.querySelector('span').textContent = answers[i] || '';
      button.hidden = state.screen !== 'playing';
    });
    $('helps').hidden = !state.yourTurn;
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

  if (token) connect({ type: 'join', token }); else showJoin('');
})();
